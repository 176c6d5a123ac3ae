#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zf {

// The names of the files in a folder whose extension matches (".gop",
// ".bmp"; case is ignored as on Windows), sorted as a sorted list box sorts
// them: without regard to case. Only names a program or project can store
// (IsPlainFileName). Empty when the folder cannot be read.
std::vector<std::string> ListFolderFiles(const std::string& folder, std::string_view extension);

// A name for a new file in a folder that replaces nothing: "untitled.bmp",
// then "untitled2.bmp", "untitled3.bmp" and so on.
std::string FreeFileName(const std::string& folder, std::string_view stem,
                         std::string_view extension);

} // namespace zf
