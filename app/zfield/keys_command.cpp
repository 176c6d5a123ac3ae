#include "commands.h"
#include "conventions.h"
#include "language.h"

#include "files/go_program_file.h"
#include "program/editor.h"
#include "program/key_sequence.h"
#include "program/printing_ui.h"

#include <cstdio>

namespace zfield {

int KeysCommand(const Args& args) {
    zf::PrintingUi ui(stderr);
    std::string sequence;
    bool check = false;
    std::string output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--answer" && i + 1 < args.size()) {
            zf::Answer answer;
            if (!zf::ParseAnswer(args[++i], answer))
                return Fail(kExitUsage, "keys",
                            QT_TRANSLATE_NOOP("zfield", "--answer takes yes, no, cancel or edit"));
            ui.answers.push_back(answer);
        } else if (a == "--check") {
            check = true;
        } else if (a == "-o" && i + 1 < args.size()) {
            if (!NonEmptyFileName("keys", "-o", args[++i]))
                return kExitUsage;
            output = args[i];
        } else if (sequence.empty() && !a.starts_with("--")) {
            sequence = a;
        } else {
            return Fail(kExitUsage, "keys", QT_TRANSLATE_NOOP("zfield", "unexpected argument '%s'"),
                        {a});
        }
    }
    zf::NameTables tables;
    zf::GoEditor editor(ui, tables);
    std::string error;
    if (!zf::KeySequence(editor, sequence, &error))
        return Fail(kExitUsage, "keys", error);
    if (check) {
        const int go = zf::CheckGoList(&editor);
        if (go == 4)
            zf::Warn(ui, zf::TextId::GoIncompleteInstruction);
        const int proc = zf::CheckProcList(&editor);
        if (proc == 4)
            zf::Warn(ui, zf::TextId::ProcIncompleteInstruction);
        std::printf("check GO: %d\ncheck PROC: %d\n", go, proc);
    }
    // Saved as Save Go Program saves: the header takes the file's name.
    const bool saved = output.empty() || zf::SaveGoProgramAs(editor, output);
    std::fputs(zf::FormatLists(editor).c_str(), stdout);
    return saved ? kExitOk : kExitFailed;
}

} // namespace zfield
