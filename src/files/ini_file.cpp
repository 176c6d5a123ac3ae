#include "files/ini_file.h"

#include "files/file_io.h"

#include <cctype>
#include <climits>

namespace zf {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

bool IsComment(std::string_view line) {
    line = Trim(line);
    return !line.empty() && line.front() == ';';
}

} // namespace

IniFile IniFile::Parse(std::string_view text) {
    IniFile ini;
    if (text.find("\r\n") == std::string_view::npos && text.find('\n') != std::string_view::npos)
        ini.eol_ = "\n";
    std::size_t at = 0;
    while (at < text.size()) {
        auto end = text.find('\n', at);
        std::string_view line =
            text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ini.lines_.emplace_back(line);
        if (end == std::string_view::npos)
            break;
        at = end + 1;
    }
    return ini;
}

IniFile IniFile::Load(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (ReadWholeFile(path, bytes) != ReadResult::Ok)
        return IniFile{};
    return Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

long IniFile::FindSection(std::string_view section) const {
    section = Trim(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto name = SectionName(lines_[i]);
        if (name && SameName(*name, section))
            return static_cast<long>(i);
    }
    return -1;
}

long IniFile::FindKey(long sectionLine, std::string_view key) const {
    key = Trim(key);
    for (std::size_t i = static_cast<std::size_t>(sectionLine) + 1; i < lines_.size(); ++i) {
        const std::string& line = lines_[i];
        if (SectionName(line))
            break;
        auto eq = line.find('=');
        if (eq == std::string::npos || IsComment(line))
            continue;
        if (SameName(Trim(std::string_view(line).substr(0, eq)), key))
            return static_cast<long>(i);
    }
    return -1;
}

bool IniFile::HasKey(std::string_view section, std::string_view key) const {
    return Find(section, key).has_value();
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
    long s = FindSection(section);
    if (s < 0)
        return std::nullopt;
    long k = FindKey(s, key);
    if (k < 0)
        return std::nullopt;
    std::string_view line = lines_[static_cast<std::size_t>(k)];
    std::string_view value = Trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::string IniFile::GetString(std::string_view section, std::string_view key,
                               std::string_view fallback) const {
    auto value = Find(section, key);
    return value ? *value : std::string(fallback);
}

long IniFile::GetInt(std::string_view section, std::string_view key, long fallback) const {
    auto value = Find(section, key);
    if (!value || value->empty())
        return fallback;
    std::string_view s = *value;
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    // Wraps like the platform's 32-bit conversion instead of overflowing.
    unsigned long result = 0;
    for (char c : s) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && std::isxdigit(static_cast<unsigned char>(c)))
            digit = std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
        else
            break;
        result = (result * static_cast<unsigned long>(base) + static_cast<unsigned long>(digit)) &
                 0xFFFFFFFFul;
    }
    if (negative)
        result = (0x100000000ul - result) & 0xFFFFFFFFul;
    return result > static_cast<unsigned long>(INT_MAX) ? static_cast<long>(result) - 0x100000000l
                                                        : static_cast<long>(result);
}

void IniFile::SetString(std::string_view section, std::string_view key, std::string_view value) {
    // A value is one line; whatever follows a line break would become entries.
    value = value.substr(0, value.find_first_of("\r\n"));
    std::string entry = std::string(Trim(key)) + "=" + std::string(value);
    long s = FindSection(section);
    if (s < 0) {
        if (!lines_.empty() && !Trim(lines_.back()).empty())
            lines_.emplace_back();
        lines_.push_back("[" + std::string(Trim(section)) + "]");
        lines_.push_back(entry);
        return;
    }
    long k = FindKey(s, key);
    if (k >= 0) {
        std::string& line = lines_[static_cast<std::size_t>(k)];
        line = line.substr(0, line.find('=') + 1) + std::string(value);
        return;
    }
    // After the section's last non-blank line.
    std::size_t insert = static_cast<std::size_t>(s) + 1;
    for (std::size_t i = insert; i < lines_.size() && !SectionName(lines_[i]); ++i)
        if (!Trim(lines_[i]).empty())
            insert = i + 1;
    lines_.insert(lines_.begin() + static_cast<long>(insert), entry);
}

std::string IniFile::Text() const {
    std::string text;
    for (const std::string& line : lines_)
        text += line + eol_;
    return text;
}

bool IniFile::Save(const std::string& path) const {
    std::string text = Text();
    return WriteFileAtomically(path,
                               {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

std::string GetProfileString(const std::string& path, std::string_view section,
                             std::string_view key, std::string_view fallback) {
    return IniFile::Load(path).GetString(section, key, fallback);
}

long GetProfileInt(const std::string& path, std::string_view section, std::string_view key,
                   long fallback) {
    return IniFile::Load(path).GetInt(section, key, fallback);
}

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
    IniFile ini = IniFile::Load(path);
    ini.SetString(section, key, value);
    return ini.Save(path);
}

} // namespace zf
