#include "i18n/language.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path kHelp = ZF_HELP_SOURCE;
const fs::path kExamples = ZF_EXAMPLE_FOLDER;
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

// Every page of the books, and every link and picture on it.
TEST(HelpBooks, EveryLinkLeadsToAPagePictureOrProjectAndEveryPageIsReached) {
    const std::regex reference(R"re((?:href|src)\s*=\s*"([^"]*)")re");
    const std::regex anchor(R"re((?:id|name)\s*=\s*"([^"]*)")re");
    const std::string root = fs::canonical(kHelp).string();
    std::set<fs::path> pages, reached;
    for (const auto& entry : fs::recursive_directory_iterator(kHelp))
        if (entry.path().extension() == ".html")
            pages.insert(fs::canonical(entry.path()));
    ASSERT_GE(pages.size(), 20u);
    int links = 0;
    for (const fs::path& page : pages) {
        const std::string html = ReadAll(page);
        EXPECT_NE(html.find("<title>"), std::string::npos) << page;
        for (std::sregex_iterator it(html.begin(), html.end(), reference), end; it != end; ++it) {
            const std::string target = (*it)[1];
            ++links;
            SCOPED_TRACE(page.string() + " -> " + target);
            ASSERT_FALSE(target.empty());
            if (target.starts_with("https://") || target.starts_with("mailto:"))
                continue;
            if (target.starts_with("project:")) {
                EXPECT_TRUE(fs::is_regular_file(kExamples / target.substr(8)));
                continue;
            }
            const std::size_t hash = std::min(target.find('#'), target.size());
            const fs::path path = hash == 0 ? page : page.parent_path() / target.substr(0, hash);
            ASSERT_TRUE(fs::is_regular_file(path));
            reached.insert(fs::canonical(path));
            EXPECT_EQ(fs::canonical(path).string().rfind(root, 0), 0u);
            if (hash + 1 < target.size()) {
                const std::string text = ReadAll(path);
                std::set<std::string> names;
                for (std::sregex_iterator a(text.begin(), text.end(), anchor), e; a != e; ++a)
                    names.insert((*a)[1]);
                EXPECT_TRUE(names.count(target.substr(hash + 1)));
            }
        }
    }
    EXPECT_GT(links, 100);
    for (const fs::path& page : pages) {
        if (page.filename() != "index.html") {
            EXPECT_TRUE(reached.count(page)) << page << " is linked from nowhere";
        }
    }
}

// A translated book has the pages of the English one, no more and no fewer,
// so that the help window never falls back to English for a page and no
// page is left unread; each says its language and, right to left, its
// direction. A language whose books are not written yet has no folder.
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
