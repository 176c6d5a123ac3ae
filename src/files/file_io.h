#pragma once

#include "program/user_interface.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zf {

// An open file; the invalid handle stands for a failed open.
struct FileHandle {
    int fd = -1;
    bool valid() const { return fd >= 0; }
};

// Regular files only: a folder, device or pipe does not open.
FileHandle OpenFileForReading(const std::string& path);
// Replaces an existing file.
FileHandle CreateFileForWriting(const std::string& path);
// The new position from the start of the file, or -1.
std::int64_t SeekTo(FileHandle file, std::int64_t offset);
std::int64_t Tell(FileHandle file);
// True when at least one byte was read; `read` tells how many. False at the
// end of the file and when the read itself fails.
bool ReadBytes(FileHandle file, void* buffer, std::size_t count, std::size_t* read = nullptr);
bool WriteBytes(FileHandle file, const void* buffer, std::size_t count,
                std::size_t* written = nullptr);
// Ignores the invalid handle.
void CloseFile(FileHandle& file);

// True for an existing regular file.
bool FileExists(const std::string& path);

// NotAFile: the name is there but is a device, a pipe or a folder.
enum class ReadResult { Ok, NotFound, NotAFile, OpenFailed, TooLarge, ReadFailed };

// Larger files are refused: nothing the program stores comes near it, and a
// loader must not be made to swallow an arbitrary file.
inline constexpr std::size_t kMaxLoadedFileSize = 16u << 20;

ReadResult ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out,
                         std::size_t maxSize = kMaxLoadedFileSize);

// Writes a temporary file beside the target, flushes it to disk and renames
// it over the target, so the previous file survives any failure. An existing
// target that is not writable is refused, as a read-only file must stay as it
// is. False on any failure, with the target untouched.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// Shown, followed by the path, when a save could not replace its file.
inline constexpr const char* kFileNotSavedText = "The file could not be saved:\n";
// Shown, followed by the path, when a file would be too large to open again.
inline constexpr const char* kFileTooLargeText =
    "The file is too large for Zarnikfield to open again, so it was not saved:\n";

// Writes a file the program will read back: refused, with the message
// shown, when it is larger than a reader takes (the previous file is kept)
// or cannot be written.
bool SaveLoadableFile(UserInterface& ui, const std::string& path,
                      std::span<const std::uint8_t> bytes);

// The folder a path's file is in, where a save makes its temporary file:
// "." for a bare name, "/" for a file at the root.
std::string FolderOf(const std::string& path);

// The file name and extension of a path, without its folder.
std::string FileNameOf(const std::string& path);

} // namespace zf
