#include "i18n/language.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path kHelp = ZF_HELP_SOURCE;
const char* const kBooks[] = {"zfieldug", "zarnikug", "zarnikjn", "zarnikrt"};

std::set<std::string> Pages(const fs::path& book) {
    std::set<std::string> pages;
    if (fs::is_directory(book)) {
        for (const auto& entry : fs::directory_iterator(book)) {
            if (entry.path().extension() == ".html")
                pages.insert(entry.path().filename().string());
        }
    }
    return pages;
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A translated book has the pages of the English one, no more and no fewer,
// so that the help window never falls back to English for a page and no
// page is left unread; each says its language and, right to left, its
// direction. (The links of every book, translated or not, are checked with
// the help window.) A language whose books are not written yet has no folder.
TEST(HelpBooks, EveryTranslatedBookHasTheEnglishPagesInItsLanguage) {
    std::set<std::string> notLanguages{"mats"};
    for (const char* book : kBooks)
        notLanguages.insert(book);
    for (const auto& folder : fs::directory_iterator(kHelp)) {
        const std::string code = folder.path().filename().string();
        if (!folder.is_directory() || notLanguages.count(code))
            continue;
        const std::string html =
            "<html lang=\"" + code + "\"" +
            (zf::i18n::IsRightToLeft(QString::fromStdString(code)) ? std::string(" dir=\"rtl\"")
                                                                   : std::string()) +
            ">";
        for (const char* book : kBooks) {
            SCOPED_TRACE(code + "/" + book);
            const std::set<std::string> english = Pages(kHelp / book);
            ASSERT_FALSE(english.empty());
            EXPECT_EQ(Pages(folder.path() / book), english);
            for (const std::string& page : Pages(folder.path() / book)) {
                EXPECT_NE(ReadAll(folder.path() / book / page).find(html), std::string::npos)
                    << page << " lacks " << html;
            }
        }
    }
}

} // namespace
