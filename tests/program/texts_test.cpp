#include "program/debug_log.h"
#include "program/texts.h"
#include "program/texts_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <unistd.h>

namespace zf {
namespace {

TEST(Texts, FillsTheCFormatsAndTheTableUsesOnlyThose) {
    EXPECT_EQ(FormatText("A %d is %s", {5LL, std::string("ok")}), "A 5 is ok");
    EXPECT_EQ(FormatText("%.1f|%.3g|%%", {2.25, 0.333333}), "2.2|0.333|%");
    EXPECT_EQ(FormatText("%.3g, %.3g", {-1.5, 12345.0}), "-1.5, 1.23e+04");
    // Missing arguments never read past the list.
    EXPECT_EQ(FormatText("%d and %s", {}), "0 and 0");
    // The table's texts use those conversions only.
    for (const TextEntry& e : TextTable()) {
        std::string_view text = e.text;
        for (std::size_t i = text.find('%'); i != std::string_view::npos; i = text.find('%', i)) {
            std::string_view rest = text.substr(i + 1);
            std::size_t length = 0;
            for (std::string_view c : {"d", "s", ".1f", ".3g", "%"})
                if (rest.starts_with(c))
                    length = c.size();
            ASSERT_NE(length, 0u) << "id " << e.id << ": " << text;
            i += 1 + length;
        }
    }
}

TEST(Texts, DebugLogWritesOnlyWhileOpen) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("zf-debug-" + std::to_string(::getpid()) + ".log");
    {
        DebugLog log;
        log.Text("lost");
        ASSERT_TRUE(log.Open(path));
        LogText(&log, "IsFileFound() == FALSE");
        log.Formatted("level %d", 3);
        log.Close();
        log.Text("lost too");
    }
    std::ifstream in(path, std::ios::binary);
    const std::string written{std::istreambuf_iterator<char>(in), {}};
    std::filesystem::remove(path);
    EXPECT_EQ(written, "IsFileFound() == FALSE\r\nlevel 3-- end of log\r\n");
}

// The table is sorted for its lookup. Code names the texts it shows: a name
// must lead to a text of the table, and no text may be left without a name.
TEST(Texts, SortedTableAndEveryNamedIdHasItsTextAndEveryTextHasAName) {
    std::set<int> inTable;
    int previous = -1;
    for (const TextEntry& e : TextTable()) {
        EXPECT_LT(previous, e.id);
        EXPECT_EQ(TextOf(TextId{e.id}), e.text) << "id " << e.id;
        previous = e.id;
        inTable.insert(e.id);
    }
    EXPECT_EQ(TextOf(TextId{99999}), "");
    std::set<int> named;
    for (TextId id : kAllTextIds) {
        EXPECT_TRUE(HasText(id)) << "id " << static_cast<int>(id) << " has no text";
        named.insert(static_cast<int>(id));
    }
    EXPECT_EQ(named.size(), std::size(kAllTextIds)) << "an id is named twice";
    EXPECT_EQ(named, inTable);
    EXPECT_FALSE(HasText(TextId::Unnumbered));
}

} // namespace
} // namespace zf
