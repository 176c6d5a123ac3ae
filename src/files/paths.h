#pragma once

#include <string>
#include <string_view>

namespace zf {

// Longest path the stored files and the folder rules allow for.
inline constexpr std::size_t kMaxPath = 260;

// Folders in memory are native paths ending in this separator; files store
// Windows-style paths with backslashes, which ToNativePath translates.
inline constexpr char kFolderSeparator = '/';

// Both separators count, since stored and native paths meet everywhere.
bool IsPathSeparator(char c);

// A stored path for this platform: backslashes become slashes and a drive
// letter ("C:") is dropped, so "C:\Work\a.bmp" reads as "/Work/a.bmp".
std::string ToNativePath(std::string_view stored);
// A native path in the stored form, with backslashes.
std::string ToStoredPath(std::string_view native);

// True when a path has a ".." part, with either separator.
bool ClimbsOut(std::string_view path);

// A native path made absolute against the current directory, with its "."
// and ".." parts resolved ("" stays "").
std::string AbsolutePath(std::string_view path);

// Everything up to and including the last separator ("" when none).
std::string FolderPart(std::string_view path);
// Everything after the last separator.
std::string FileNamePart(std::string_view path);
// The folder, one separator, the name; an empty folder gives the name alone.
std::string JoinPath(std::string_view folder, std::string_view name);

// Translates a stored path and, for each part that is missing in the exact
// case, takes the entry of its folder that matches it ignoring case, so that
// projects made on Windows open unchanged. From the first part that matches
// nothing on, the path is kept as given (a file about to be created).
std::string ResolvePath(std::string_view stored);

// True when an entry of that (native) name exists / is a directory.
bool PathExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// ASCII case-insensitive comparisons, as the Windows file system compares.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

// Windows wildcard match ignoring case: '*' any run, '?' one character;
// "*.*" matches every name, with or without a dot.
bool MatchesPattern(std::string_view name, std::string_view pattern);

} // namespace zf
