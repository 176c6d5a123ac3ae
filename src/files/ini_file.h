#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zf {

// A profile file as the platform's profile calls see it: "[section]" lines
// and "key=value" lines, names compared without regard to case and trimmed
// of spaces; the first section and the first key of a name win. Lines are
// kept as they were, so writing a value changes nothing else in the file.
class IniFile {
  public:
    // A missing or unreadable file reads as an empty one.
    static IniFile Load(const std::string& path);
    static IniFile Parse(std::string_view text);

    bool HasKey(std::string_view section, std::string_view key) const;
    // The value trimmed, with one pair of enclosing quotes removed.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view fallback) const;
    // A missing or empty value gives the fallback; otherwise the leading
    // integer of the value (decimal, or hexadecimal after 0x), 0 when there is
    // none.
    long GetInt(std::string_view section, std::string_view key, long fallback) const;

    // Replaces the key's value, adds the key at the end of its section, or
    // adds the section at the end of the file.
    void SetString(std::string_view section, std::string_view key, std::string_view value);

    std::string Text() const;
    bool Save(const std::string& path) const;

  private:
    // Index of the section's header line, or -1.
    long FindSection(std::string_view section) const;
    long FindKey(long sectionLine, std::string_view key) const;

    std::vector<std::string> lines_;
    std::string eol_ = "\r\n";
};

// The profile calls themselves, for callers that read or repair one value.
std::string GetProfileString(const std::string& path, std::string_view section,
                             std::string_view key, std::string_view fallback);
long GetProfileInt(const std::string& path, std::string_view section, std::string_view key,
                   long fallback);
bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

} // namespace zf
