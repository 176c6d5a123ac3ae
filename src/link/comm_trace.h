#pragma once

namespace zf {

// Writes one "Comm: " trace line, printf style, to the trace stream.
void CommTrace(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace zf
