#include "files/file_io.h"

#include "file_test_support.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

namespace zf {
namespace {

using test::BytesOf;
using test::TempFolder;

TEST(FilePrimitives, ReadUntilNothingComesBack) {
    TempFolder dir;
    FileHandle out = CreateFileForWriting(dir / "a.bin");
    ASSERT_TRUE(out.valid());
    EXPECT_TRUE(WriteBytes(out, "hello", 5));
    CloseFile(out);
    EXPECT_FALSE(out.valid());
    CloseFile(out); // a closed handle is ignored

    FileHandle in = OpenFileForReading(dir / "a.bin");
    char buffer[8] = {};
    std::size_t n = 0;
    EXPECT_EQ(SeekTo(in, 1), 1);
    EXPECT_TRUE(ReadBytes(in, buffer, sizeof buffer, &n));
    EXPECT_EQ(n, 4u);
    EXPECT_EQ(Tell(in), 5);
    EXPECT_FALSE(ReadBytes(in, buffer, sizeof buffer, &n));
    EXPECT_EQ(n, 0u);
    CloseFile(in);

    EXPECT_FALSE(OpenFileForReading(dir / "missing").valid());
    EXPECT_FALSE(OpenFileForReading(dir.path()).valid());
    // A read the system refuses is no bytes, never tried again and again.
    FileHandle folder{::open(dir.path().c_str(), O_RDONLY)};
    ASSERT_TRUE(folder.valid());
    n = 1;
    EXPECT_FALSE(ReadBytes(folder, buffer, sizeof buffer, &n));
    EXPECT_EQ(n, 0u);
    EXPECT_FALSE(WriteBytes(folder, "x", 1));
    CloseFile(folder);
}

TEST(FilePrimitives, WholeFileReadsRefuseWhatIsMissingOrTooLarge) {
    TempFolder dir;
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(ReadWholeFile(dir / "none", bytes), ReadResult::NotFound);
    test::WriteBytesTo(dir / "big", std::vector<std::uint8_t>(100, 7));
    EXPECT_EQ(ReadWholeFile(dir / "big", bytes, 99), ReadResult::TooLarge);
    EXPECT_TRUE(bytes.empty());
    // A whole read ends at the end, whatever an earlier call left in errno.
    errno = EINTR;
    EXPECT_EQ(ReadWholeFile(dir / "big", bytes, 100), ReadResult::Ok);
    EXPECT_EQ(bytes.size(), 100u);
    // A folder or a pipe is there, but is no file.
    EXPECT_EQ(ReadWholeFile(dir.path(), bytes), ReadResult::NotAFile);

    // What a save writes is never too large to read: the largest file a
    // reader takes is saved, one byte more is refused.
    test::Recorder ui;
    std::vector<std::uint8_t> largest(kMaxLoadedFileSize);
    EXPECT_TRUE(SaveLoadableFile(ui, dir / "largest", largest));
    largest.push_back(0);
    EXPECT_FALSE(SaveLoadableFile(ui, dir / "largest", largest));
    EXPECT_EQ(std::filesystem::file_size(dir / "largest"), kMaxLoadedFileSize);

    ZF_SKIP_WITHOUT_POSIX_FILES("no pipes");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(ReadWholeFile(dir / "pipe", bytes), ReadResult::NotAFile);
    // A file whose reading fails says so, and is not read again and again.
    EXPECT_EQ(ReadWholeFile("/proc/self/mem", bytes), ReadResult::ReadFailed);
}

TEST(AtomicSave, ReplacesFilesKeepingModeAndLinksAndLeavesNoTemporaryFile) {
    TempFolder dir;
    EXPECT_TRUE(WriteFileAtomically(dir / "new.gop", std::vector<std::uint8_t>{1}));

    // Saving through a link replaces the file it names and keeps the link.
    std::filesystem::create_symlink(dir / "new.gop", dir / "link.gop");
    EXPECT_TRUE(WriteFileAtomically(dir / "link.gop", std::vector<std::uint8_t>{3}));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.gop"));
    EXPECT_EQ(BytesOf(dir / "new.gop"), std::vector<std::uint8_t>{3});
    // No temporary file is left behind.
    int entries = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 2);

    // A name as long as a name can be saves as well as a short one.
    const std::string longest = dir / (std::string(251, 'n') + ".gop");
    EXPECT_TRUE(WriteFileAtomically(longest, std::vector<std::uint8_t>{4}));
    EXPECT_EQ(BytesOf(longest), std::vector<std::uint8_t>{4});

    // The temporary file is made beside the file it replaces.
    EXPECT_EQ(std::tuple(FolderOf(longest), FolderOf("/top.gop"), FolderOf("here.gop")),
              std::tuple(dir.path(), "/", "."));

    ZF_SKIP_WITHOUT_POSIX_FILES("no file modes");
    const mode_t old = ::umask(027);
    EXPECT_TRUE(WriteFileAtomically(dir / "mode.gop", std::vector<std::uint8_t>{1}));
    ::umask(old);
    struct stat st {};
    ASSERT_EQ(::stat((dir / "mode.gop").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    ::chmod((dir / "mode.gop").c_str(), 0604);
    EXPECT_TRUE(WriteFileAtomically(dir / "mode.gop", std::vector<std::uint8_t>{2}));
    ASSERT_EQ(::stat((dir / "mode.gop").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0604u);
}

TEST(AtomicSave, AFailedSaveKeepsThePreviousFile) {
    TempFolder dir;
    EXPECT_FALSE(WriteFileAtomically(dir / "no-such-folder/t.gop", std::vector<std::uint8_t>{1}));
    EXPECT_FALSE(WriteFileAtomically(dir.path() + "/", std::vector<std::uint8_t>{1}));

    ZF_SKIP_WITHOUT_POSIX_FILES("no size limits or rights");
    // The disk fills during the save: the old file stays and no temporary is left.
    test::WriteBytesTo(dir / "full.gop", {7});
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    rlimit small = limit;
    small.rlim_cur = 16;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = WriteFileAtomically(dir / "full.gop", std::vector<std::uint8_t>(64, 1));
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, handler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(BytesOf(dir / "full.gop"), std::vector<std::uint8_t>{7});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    // A read-only file stays as it is, though its folder may be written.
    test::WriteBytesTo(dir / "ro.gop", {5});
    ::chmod((dir / "ro.gop").c_str(), 0444);
    ::chmod(dir.path().c_str(), 0777);
    EXPECT_TRUE(test::WithoutRights(
        [&] { return !WriteFileAtomically(dir / "ro.gop", std::vector<std::uint8_t>{6}); }));
    EXPECT_EQ(BytesOf(dir / "ro.gop"), std::vector<std::uint8_t>{5});
}

} // namespace
} // namespace zf
