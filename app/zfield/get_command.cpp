#include "commands.h"

#include "files/go_program_file.h"
#include "link/zarnik_link.h"
#include "program/editor.h"
#include "program/key_sequence.h"
#include "program/printing_ui.h"

#include <cstdio>

namespace zfield {

int GetCommand(const Args& args) {
    LinkOptions options;
    std::string path;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size()) {
            path = args[++i];
        } else if (!ReadLinkOption(args, i, options)) {
            std::fprintf(stderr, "zfield get: bad argument '%s'\n", args[i].c_str());
            return 2;
        }
    }
    if (path.empty()) {
        std::fprintf(stderr, "zfield get: where to? (zfield get -o FILE.gop)\n");
        return 2;
    }
    zf::PrintingUi ui;
    zf::GoEditor editor(ui);
    SelectLinkPort(options);
    if (!zf::ReadZarnikProgramToZarnikMemBuffer(editor))
        return 1;
    if (!zf::SaveGoProgramAs(editor, path))
        return 1;
    std::fputs(zf::FormatLists(editor).c_str(), stdout);
    return 0;
}

} // namespace zfield
