#include "commands.h"
#include "conventions.h"
#include "language.h"

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
            if (!NonEmptyFileName("get", "-o", args[++i]))
                return kExitUsage;
            path = args[i];
        } else if (!ReadLinkOption(args, i, options)) {
            return Fail(kExitUsage, "get", QT_TRANSLATE_NOOP("zfield", "bad argument '%s'"),
                        {args[i]});
        }
    }
    if (path.empty())
        return Fail(kExitUsage, "get",
                    QT_TRANSLATE_NOOP("zfield", "where to? (zfield get -o FILE.gop)"));
    zf::PrintingUi ui(stderr);
    zf::NameTables tables;
    zf::GoEditor editor(ui, tables);
    const zf::LinkSettings link = SelectLinkPort(options);
    if (!zf::ReadZarnikProgramToZarnikMemBuffer(editor, link))
        return kExitFailed;
    if (!zf::SaveGoProgramAs(editor, path))
        return kExitFailed;
    std::fputs(zf::FormatLists(editor).c_str(), stdout);
    return kExitOk;
}

} // namespace zfield
