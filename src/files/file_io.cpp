#include "files/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zf {

namespace {

// The process's file-creation mask, read where other threads cannot see it
// change; asked the old way only when that is not available.
mode_t CurrentUmask() {
    if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[128];
        unsigned mask = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status))
            found = std::sscanf(line, "Umask: %o", &mask) == 1;
        std::fclose(status);
        if (found)
            return static_cast<mode_t>(mask);
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

bool WriteAll(int fd, const std::uint8_t* bytes, std::size_t count) {
    while (count > 0) {
        ssize_t n = ::write(fd, bytes, count);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        count -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

FileHandle OpenFileForReading(const std::string& path) {
    // Without blocking, so that a device or a pipe named in a file cannot
    // hold the program; only regular files are read.
    int fd;
    do
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return {};
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return {};
    }
    return FileHandle{fd};
}

FileHandle CreateFileForWriting(const std::string& path) {
    return FileHandle{::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644)};
}

std::int64_t SeekTo(FileHandle file, std::int64_t offset) {
    if (!file.valid())
        return -1;
    return ::lseek(file.fd, static_cast<off_t>(offset), SEEK_SET);
}

std::int64_t Tell(FileHandle file) {
    if (!file.valid())
        return -1;
    return ::lseek(file.fd, 0, SEEK_CUR);
}

bool ReadBytes(FileHandle file, void* buffer, std::size_t count, std::size_t* read) {
    ssize_t n = -1;
    if (file.valid()) {
        do
            n = ::read(file.fd, buffer, count);
        while (n < 0 && errno == EINTR);
    }
    if (read)
        *read = n > 0 ? static_cast<std::size_t>(n) : 0;
    return n > 0;
}

bool WriteBytes(FileHandle file, const void* buffer, std::size_t count, std::size_t* written) {
    ssize_t n = -1;
    if (file.valid()) {
        do
            n = ::write(file.fd, buffer, count);
        while (n < 0 && errno == EINTR);
    }
    if (written)
        *written = n > 0 ? static_cast<std::size_t>(n) : 0;
    return n > 0;
}

void CloseFile(FileHandle& file) {
    if (file.valid())
        ::close(file.fd);
    file.fd = -1;
}

bool FileExists(const std::string& path) {
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

ReadResult ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out,
                         std::size_t maxSize) {
    out.clear();
    if (!FileExists(path)) {
        struct stat st;
        return ::stat(path.c_str(), &st) == 0 ? ReadResult::NotAFile : ReadResult::NotFound;
    }
    FileHandle file = OpenFileForReading(path);
    if (!file.valid())
        return ReadResult::OpenFailed;
    ReadResult result = ReadResult::Ok;
    std::uint8_t chunk[65536];
    for (;;) {
        ssize_t n = ::read(file.fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            result = ReadResult::ReadFailed;
        if (n <= 0)
            break;
        if (out.size() + static_cast<std::size_t>(n) > maxSize) {
            result = ReadResult::TooLarge;
            break;
        }
        out.insert(out.end(), chunk, chunk + n);
    }
    CloseFile(file);
    if (result != ReadResult::Ok)
        out.clear();
    return result;
}

bool WriteFileAtomically(const std::string& given, std::span<const std::uint8_t> bytes) {
    if (given.empty() || given.back() == '/')
        return false;
    // A link is saved through: the file it names is replaced, the link stays.
    std::string path = given;
    struct stat link;
    if (::lstat(given.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        if (char* target = ::realpath(given.c_str(), nullptr)) {
            path = target;
            std::free(target);
        }
    }
    // A new file is made as any other program makes one; a replaced file
    // keeps the mode it had.
    mode_t mode = 0666 & ~CurrentUmask();
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode) || ::access(path.c_str(), W_OK) != 0)
            return false;
        mode = st.st_mode & 07777;
    }
    // A short name of its own: the target's name may be as long as a name
    // can be, and one with an ending added would be refused.
    std::string temp = FolderOf(path) + "/.zf-save-XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    bool ok =
        ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok)
        ok = ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    // The rename itself must reach the disk too.
    int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool SaveLoadableFile(UserInterface& ui, const std::string& path,
                      std::span<const std::uint8_t> bytes) {
    if (bytes.size() > kMaxLoadedFileSize) {
        ui.WarningBox(kUnnumbered, std::string(kFileTooLargeText) + path);
        return false;
    }
    if (!WriteFileAtomically(path, bytes)) {
        ui.WarningBox(kUnnumbered, std::string(kFileNotSavedText) + path);
        return false;
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string FileNameOf(const std::string& path) {
    auto cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

} // namespace zf
