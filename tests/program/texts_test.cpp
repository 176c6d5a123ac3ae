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

TEST(Texts, FillsTheCFormats) {
    EXPECT_EQ(FormatText("A %d is %s", {5LL, std::string("ok")}), "A 5 is ok");
    EXPECT_EQ(FormatText("%.1f|%.3g|%%", {2.25, 0.333333}), "2.2|0.333|%");
    EXPECT_EQ(FormatText("%.3g, %.3g", {-1.5, 12345.0}), "-1.5, 1.23e+04");
    // Missing arguments never read past the list.
    EXPECT_EQ(FormatText("%d and %s", {}), "0 and 0");
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
    auto table = TextTable();
    for (std::size_t i = 1; i < table.size(); ++i)
        EXPECT_LT(table[i - 1].id, table[i].id) << "at entry " << i;
    for (const TextEntry& e : table)
        EXPECT_EQ(TextOf(TextId{e.id}), e.text) << "id " << e.id;
    EXPECT_EQ(TextOf(TextId{99999}), "");
    std::set<int> named;
    for (TextId id : kAllTextIds) {
        const int number = static_cast<int>(id);
        EXPECT_TRUE(HasText(id)) << "id " << number << " has no text";
        EXPECT_TRUE(named.insert(number).second) << "id " << number << " is named twice";
    }
    std::set<int> inTable;
    for (const TextEntry& e : table)
        inTable.insert(e.id);
    EXPECT_EQ(named, inTable);
    EXPECT_FALSE(HasText(TextId::Unnumbered));
}

TEST(Texts, FormatsUseOnlyTheConversionsFormatTextFills) {
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

TEST(Texts, FillsMessagesAsTheProgramShowsThem) {
    EXPECT_EQ(Text(TextId::UseHigherProcedure, {50LL, 12LL, 50LL}),
              "Procedure 50 cannot use Procedure 12 (use a number HIGHER than 50).");
    EXPECT_EQ(Text(TextId::ZarnikMustStayInArea, {4.5, 4.5}),
              "Zarnik must stay in working area.\nMaximum values: X = 4.5 and Y = 4.5");
    EXPECT_EQ(Text(TextId::GoTooManyNestedRepeats, {1LL}),
              "The GO List contains more than 5 Repeats inside Repeat "
              "Commands.\nYou must delete 1 Repeat command(s).");
    EXPECT_EQ(Text(TextId::NotAProjectFile, {std::string("C:\\a.zfp")}),
              "C:\\a.zfp\n\nThis is not a Zarnikfield Project file.\nProject not "
              "opened.");
    EXPECT_EQ(Text(TextId::ProductName), "Zarnikfield");
}

} // namespace
} // namespace zf
