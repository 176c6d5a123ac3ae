#pragma once

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <tuple>

namespace zf {

// Pictures of the project's folders, decoded once: a file is read again
// only when it has changed (another modification time, size or file), so
// that a repaint of many stamps of one picture does not read it each time.
// Pictures are also kept at the sizes drawn, mirrored and keyed as drawn.
// Everything is forgotten on a project change or a library rescan, and when
// the pictures kept grow past a budget.
class PictureCache {
  public:
    // A new paint: each file is looked at once per paint, not once per use.
    void NewPaint();
    // The picture of a file as LoadBitmapImage reads it; null when it cannot
    // be read.
    QImage Picture(const std::string& path);
    // The picture stretched to exactly w x h, mirrored left-right and keyed
    // as asked (a stamp once fitted, or a fitted background).
    QImage Sized(const std::string& path, int w, int h, bool mirror, bool keyed);
    void Clear();
    // How many times a file was decoded: the measure of the cache's use.
    std::uint64_t Decodes() const { return decodes_; }

    static constexpr std::size_t kBudgetBytes = 256u << 20;

  private:
    struct FileStamp {
        std::int64_t seconds = 0;
        std::int64_t nanoseconds = 0;
        std::int64_t size = -1;
        std::uint64_t inode = 0;
        bool operator==(const FileStamp&) const = default;
    };
    struct Entry {
        FileStamp file;
        std::uint64_t checkedPaint = 0;
        QImage picture;
        std::map<std::tuple<int, int, bool, bool>, QImage> stamps;
    };
    // The entry of a file, current, or null when the file cannot be read.
    Entry* Current(const std::string& path);
    // Whether an image of this size may be kept; false once the budget is
    // spent, and the next new file then starts the cache afresh.
    bool Affordable(const QImage& image) const;

    std::map<std::string, Entry> entries_;
    std::uint64_t paint_ = 1;
    std::uint64_t decodes_ = 0;
    std::size_t bytes_ = 0;
};

// The one cache of the program's pictures.
PictureCache& ProjectPictures();
// A project was opened or the library rescanned its folders.
void ForgetCachedPictures();

} // namespace zf
