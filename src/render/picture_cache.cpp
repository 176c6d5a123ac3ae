#include "render/picture_cache.h"

#include "render/bitmap_drawing.h"

#include <sys/stat.h>

namespace zf {

void PictureCache::NewPaint() {
    ++paint_;
}

PictureCache::Entry* PictureCache::Current(const std::string& path) {
    auto found = entries_.find(path);
    if (found != entries_.end() && found->second.checkedPaint == paint_)
        return &found->second;
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0) {
        if (found != entries_.end())
            entries_.erase(found);
        return nullptr;
    }
    const FileStamp file{info.st_mtim.tv_sec, info.st_mtim.tv_nsec, info.st_size, info.st_ino};
    if (found != entries_.end() && found->second.file == file) {
        found->second.checkedPaint = paint_;
        return &found->second;
    }
    QImage picture = LoadBitmapImage(path);
    ++decodes_;
    if (found != entries_.end())
        entries_.erase(found);
    if (picture.isNull())
        return nullptr;
    if (!Affordable(picture))
        Clear();
    bytes_ += static_cast<std::size_t>(picture.sizeInBytes());
    Entry& entry = entries_[path];
    entry.file = file;
    entry.checkedPaint = paint_;
    entry.picture = std::move(picture);
    return &entry;
}

bool PictureCache::Affordable(const QImage& image) const {
    return bytes_ + static_cast<std::size_t>(image.sizeInBytes()) <= kBudgetBytes;
}

QImage PictureCache::Picture(const std::string& path) {
    Entry* entry = Current(path);
    return entry ? entry->picture : QImage();
}

QImage PictureCache::Sized(const std::string& path, int w, int h, bool mirror, bool keyed) {
    Entry* entry = Current(path);
    if (!entry || w < 1 || h < 1)
        return {};
    const auto key = std::make_tuple(w, h, mirror, keyed);
    if (auto found = entry->stamps.find(key); found != entry->stamps.end())
        return found->second;
    QImage stamp = StretchBitmap(entry->picture, w, h, mirror);
    if (keyed)
        stamp = KeyOutColour(stamp, stamp.pixel(0, 0));
    if (Affordable(stamp)) {
        bytes_ += static_cast<std::size_t>(stamp.sizeInBytes());
        entry->stamps.emplace(key, stamp);
    }
    return stamp;
}

void PictureCache::Clear() {
    entries_.clear();
    bytes_ = 0;
}

PictureCache& ProjectPictures() {
    static PictureCache cache;
    return cache;
}

void ForgetCachedPictures() {
    ProjectPictures().Clear();
}

} // namespace zf
