// A robot's memory image as it arrives on the wire: whatever its cells and
// pointers say, the parse reads only the image and leaves lists the encoder
// can take again.
#include "link/memory_image.h"
#include "program/printing_ui.h"

#include <cstdio>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static std::FILE* sink = std::fopen("/dev/null", "w");
    zf::PrintingUi ui(sink);
    zf::GoEditor editor(ui);
    editor.DestroyProgramList(zf::GO_LIST);
    zf::ZarnikMemoryImage image;
    image.fill(zf::kEmptyCell);
    std::memcpy(image.data(), data, size < image.size() ? size : image.size());
    zf::ParseZarnikMemDump(image, editor);
    zf::ZarnikMemoryImage again;
    zf::EncodeGoProgram(again, editor.Head(zf::GO_LIST), editor.Head(zf::PROC_LIST));
    return 0;
}
