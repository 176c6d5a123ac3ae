#include "files/paths.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <vector>

namespace zf {

namespace {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool HasDriveLetter(std::string_view path) {
    return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}

// The entries of a folder whose names match `name` ignoring case, sorted so
// that the choice among several is always the same.
std::vector<std::string> EntriesMatching(const std::string& folder, std::string_view name) {
    std::vector<std::string> found;
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr)
        return found;
    while (const dirent* entry = readdir(dir))
        if (EqualsIgnoringCase(entry->d_name, name))
            found.emplace_back(entry->d_name);
    closedir(dir);
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace

bool IsPathSeparator(char c) {
    return c == '/' || c == '\\';
}

std::string ToNativePath(std::string_view stored) {
    if (HasDriveLetter(stored))
        stored.remove_prefix(2);
    std::string native(stored);
    std::replace(native.begin(), native.end(), '\\', kFolderSeparator);
    return native;
}

std::string ToStoredPath(std::string_view native) {
    std::string stored(native);
    std::replace(stored.begin(), stored.end(), '/', '\\');
    return stored;
}

bool ClimbsOut(std::string_view path) {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || IsPathSeparator(path[i])) {
            if (path.substr(start, i - start) == "..")
                return true;
            start = i + 1;
        }
    }
    return false;
}

std::string AbsolutePath(std::string_view path) {
    if (path.empty())
        return {};
    std::string absolute(path);
    if (path.front() != kFolderSeparator) {
        std::vector<char> buffer(4096);
        if (getcwd(buffer.data(), buffer.size()) == nullptr)
            return absolute;
        absolute = JoinPath(buffer.data(), path);
    }
    // "user/../p.zfp" becomes "p.zfp": a stored path never climbs, and the
    // folder shown is plain.
    return std::filesystem::path(absolute).lexically_normal().string();
}

std::string FolderPart(std::string_view path) {
    auto it = std::find_if(path.rbegin(), path.rend(), IsPathSeparator);
    return std::string(path.substr(0, static_cast<std::size_t>(path.rend() - it)));
}

std::string FileNamePart(std::string_view path) {
    auto it = std::find_if(path.rbegin(), path.rend(), IsPathSeparator);
    return std::string(path.substr(static_cast<std::size_t>(path.rend() - it)));
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && !IsPathSeparator(path.back()))
        path += kFolderSeparator;
    path += name;
    return path;
}

std::string ResolvePath(std::string_view stored) {
    std::string native = ToNativePath(stored);
    if (native.empty() || PathExists(native))
        return native;
    std::string resolved;
    std::size_t pos = 0;
    if (native.front() == kFolderSeparator) {
        resolved = kFolderSeparator;
        pos = 1;
    }
    while (pos < native.size()) {
        std::size_t end = native.find(kFolderSeparator, pos);
        if (end == std::string::npos)
            end = native.size();
        std::string_view part = std::string_view(native).substr(pos, end - pos);
        std::string exact = resolved + std::string(part);
        if (part.empty() || part == "." || part == ".." || PathExists(exact)) {
            resolved = exact;
        } else {
            std::vector<std::string> matches = EntriesMatching(resolved, part);
            if (matches.empty())
                return resolved + native.substr(pos);
            resolved += matches.front();
        }
        if (end < native.size())
            resolved += kFolderSeparator;
        pos = end + 1;
    }
    return resolved;
}

bool PathExists(const std::string& path) {
    struct stat st;
    return !path.empty() && stat(path.c_str(), &st) == 0;
}

bool DirectoryExists(const std::string& path) {
    struct stat st;
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

bool MatchesPattern(std::string_view name, std::string_view pattern) {
    if (pattern == "*.*")
        return true;
    // Iterative wildcard match: remember the last '*' and retry from there.
    std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace zf
