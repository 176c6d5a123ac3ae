#pragma once

#include "program/texts.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace zf {

// A trace of what the project loader and the lesson copier did, for finding
// out why a lesson did not open on a school's machine. It sits beside
// UserInterface because it is the core's other channel to the outside and
// every core library may write to it; whoever wants the trace owns one and
// passes it in. Writes nothing until opened.
class DebugLog {
  public:
    DebugLog() = default;
    DebugLog(const DebugLog&) = delete;
    DebugLog& operator=(const DebugLog&) = delete;
    ~DebugLog() { Close(); }

    bool Open(const std::string& path) {
        Close();
        file_ = std::fopen(path.c_str(), "wb");
        return file_ != nullptr;
    }

    void Text(std::string_view text, bool lineBreak = true) {
        if (file_ == nullptr)
            return;
        std::fwrite(text.data(), 1, text.size(), file_);
        if (lineBreak)
            std::fputs("\r\n", file_);
        std::fflush(file_);
    }

    // A format with one integer argument, cut to 256 characters.
    void Formatted(std::string_view format, long long value) {
        if (file_ == nullptr)
            return;
        const std::string text = FormatText(format, {value});
        Text(std::string_view(text).substr(0, 256), false);
    }

    void Close() {
        if (file_ == nullptr)
            return;
        std::fputs("-- end of log\r\n", file_);
        std::fclose(file_);
        file_ = nullptr;
    }

  private:
    std::FILE* file_ = nullptr;
};

// Writes to a log when there is one.
inline void LogText(DebugLog* log, std::string_view text) {
    if (log != nullptr)
        log->Text(text);
}

} // namespace zf
