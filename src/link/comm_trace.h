#pragma once

#include <ostream>

namespace zf {

// Writes one "Comm: " trace line, printf style, to `out`; null writes none.
void CommTrace(std::ostream* out, const char* format, ...) __attribute__((format(printf, 2, 3)));

} // namespace zf
