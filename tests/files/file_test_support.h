#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zf::test {

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

void WriteBytesTo(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> BytesOf(const std::string& path);

// Little-endian patching of hand-built files.
void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v);
void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v);
std::uint16_t Get16(const std::vector<std::uint8_t>& b, std::size_t at);
std::uint32_t Get32(const std::vector<std::uint8_t>& b, std::size_t at);
void PutText(std::vector<std::uint8_t>& b, std::size_t at, const std::string& text);

} // namespace zf::test
