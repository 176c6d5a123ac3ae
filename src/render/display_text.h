#pragma once

#include <QString>

#include <string_view>

namespace zf {

// A file name is bytes: shown decoded as the system names files (UTF-8),
// whatever bytes it holds.
QString DisplayName(std::string_view name);

// A message that may carry file names: UTF-8 when it reads as UTF-8, else
// the 8-bit characters of the program's own texts.
QString DisplayMessage(std::string_view text);

// A message for a message box, which takes at most 255 characters: counted
// in letters, not bytes, so that a message in Arabic or German keeps its end.
QString BoxMessage(std::string_view text);

} // namespace zf
