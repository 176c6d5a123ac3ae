// zarnik-emulator: a virtual Floor Zarnik on a pseudo-terminal. Prints the
// terminal's path, then answers the link until interrupted.

#include "emulator.h"

#include "files/file_io.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) {
    stopRequested = 1;
}

void Usage() {
    std::fprintf(stderr,
                 "Usage: zarnik-emulator [--echo] [--short N] [--no-answer] [--silent]\n"
                 "                       [--image FILE] [--save FILE] [--print]\n"
                 "  --echo        answer a read with the command byte first\n"
                 "  --short N     answer a read with only N bytes of memory\n"
                 "  --no-answer   never answer a read\n"
                 "  --silent      neither store nor answer anything\n"
                 "  --image FILE  start with the 197-byte memory image in FILE\n"
                 "  --save FILE   write the memory to FILE after every store\n"
                 "  --print       print the program held, at start and after every store\n");
}

bool LoadImage(const std::string& path, zf::ZarnikMemoryImage& image) {
    std::vector<std::uint8_t> bytes;
    if (zf::ReadWholeFile(path, bytes, 4096) != zf::ReadResult::Ok || bytes.size() != image.size())
        return false;
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return true;
}

void PrintProgram(const zf::ZarnikMemoryImage& image) {
    std::printf("%s", zf::DescribeZarnikMemory(image).c_str());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    zf::EmulatorOptions options;
    std::string imagePath;
    std::string savePath;
    bool print = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--echo") {
            options.echo = true;
        } else if (a == "--short" && i + 1 < argc) {
            options.answerBytes = std::atoi(argv[++i]);
        } else if (a == "--no-answer") {
            options.answerBytes = 0;
        } else if (a == "--silent") {
            options.silent = true;
        } else if (a == "--image" && i + 1 < argc) {
            imagePath = argv[++i];
        } else if (a == "--save" && i + 1 < argc) {
            savePath = argv[++i];
        } else if (a == "--print") {
            print = true;
        } else {
            Usage();
            return a == "--help" ? 0 : 2;
        }
    }
    zf::ZarnikEmulator robot(options);
    if (!imagePath.empty()) {
        zf::ZarnikMemoryImage image;
        if (!LoadImage(imagePath, image)) {
            std::fprintf(stderr, "zarnik-emulator: %s is no 197-byte memory image\n",
                         imagePath.c_str());
            return 1;
        }
        robot.SetMemory(image);
    }
    if (!robot.Open()) {
        std::fprintf(stderr, "zarnik-emulator: cannot open a pseudo-terminal: %s\n",
                     std::strerror(errno));
        return 1;
    }
    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
    std::printf("%s\n", robot.DevicePath().c_str());
    std::fflush(stdout);
    if (print)
        PrintProgram(robot.Memory());

    int stores = 0;
    while (!stopRequested && robot.Poll(100)) {
        if (robot.StoreCount() == stores)
            continue;
        stores = robot.StoreCount();
        zf::ZarnikMemoryImage image = robot.Memory();
        if (!savePath.empty() &&
            !zf::WriteFileAtomically(savePath, std::span<const std::uint8_t>(image)))
            std::fprintf(stderr, "zarnik-emulator: cannot write %s\n", savePath.c_str());
        if (print)
            PrintProgram(image);
    }
    return 0;
}
