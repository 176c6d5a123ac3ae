#include "files/file_list.h"

#include "files/paths.h"
#include "program/instruction.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace zf {

namespace {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool EndsWithNoCase(std::string_view name, std::string_view ending) {
    if (name.size() < ending.size())
        return false;
    return std::equal(ending.begin(), ending.end(), name.end() - ending.size(),
                      [](char a, char b) { return Lower(a) == Lower(b); });
}

bool LessNoCase(const std::string& a, const std::string& b) {
    const auto less = [](char x, char y) { return Lower(x) < Lower(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), less))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), less))
        return false;
    return a < b;
}

} // namespace

std::vector<std::string> ListFolderFiles(const std::string& folder, std::string_view extension) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() > extension.size() && EndsWithNoCase(name, extension) &&
            IsPlainFileName(name) && it->is_regular_file(error))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), LessNoCase);
    return names;
}

std::string FreeFileName(const std::string& folder, std::string_view stem,
                         std::string_view extension) {
    // Names are matched ignoring case when files are opened, so "Untitled.bmp"
    // is taken as surely as "untitled.bmp".
    std::string name = std::string(stem) + std::string(extension);
    for (int n = 2; n < 10000 && PathExists(ResolvePath(JoinPath(folder, name))); ++n)
        name = std::string(stem) + std::to_string(n) + std::string(extension);
    return name;
}

} // namespace zf
