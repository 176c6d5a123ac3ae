// A robot's memory image as it arrives on the wire: whatever its cells and
// pointers say, the checks and the parse read only the image, and an image
// the checks take gives lists the encoder can take again.
#include "link/memory_image.h"
#include "program/printing_ui.h"

#include <cstdio>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static std::FILE* sink = std::fopen("/dev/null", "w");
    zf::PrintingUi ui(sink);
    zf::NameTables tables;
    zf::GoEditor editor(ui, tables);
    editor.DestroyProgramList(zf::GO_LIST);
    zf::ZarnikMemoryImage image;
    image.fill(zf::kEmptyCell);
    std::memcpy(image.data(), data, size < image.size() ? size : image.size());
    // The checks made before a Get must hold for any bytes; an image they
    // take parses into a program that fits the robot again.
    const bool sound = zf::HoldsSoundProgram(image);
    zf::ParseZarnikMemDump(image, editor);
    zf::ZarnikMemoryImage again;
    const bool fits =
        zf::EncodeGoProgram(again, editor.Head(zf::GO_LIST), editor.Head(zf::PROC_LIST));
    if (sound && (!fits || editor.memoryUnitsLeft < 0))
        __builtin_trap();
    return 0;
}
