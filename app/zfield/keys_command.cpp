#include "commands.h"

#include "files/go_program_file.h"
#include "program/editor.h"
#include "program/key_sequence.h"
#include "program/printing_ui.h"

#include <cstdio>

namespace zfield {

int KeysCommand(const Args& args) {
    zf::PrintingUi ui;
    std::string sequence;
    bool check = false;
    std::string output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--answer" && i + 1 < args.size()) {
            zf::Answer answer;
            if (!zf::ParseAnswer(args[++i], answer)) {
                std::fprintf(stderr, "zfield keys: --answer takes yes, no, cancel or edit\n");
                return 2;
            }
            ui.answers.push_back(answer);
        } else if (a == "--check") {
            check = true;
        } else if (a == "-o" && i + 1 < args.size()) {
            output = args[++i];
        } else if (sequence.empty() && !a.starts_with("--")) {
            sequence = a;
        } else {
            std::fprintf(stderr, "zfield keys: unexpected argument '%s'\n", a.c_str());
            return 2;
        }
    }
    zf::GoEditor editor(ui);
    std::string error;
    if (!zf::KeySequence(editor, sequence, &error)) {
        std::fprintf(stderr, "zfield keys: %s\n", error.c_str());
        return 2;
    }
    if (check) {
        const int go = zf::CheckGoList(&editor);
        if (go == 4)
            zf::Warn(ui, 80);
        const int proc = zf::CheckProcList(&editor);
        if (proc == 4)
            zf::Warn(ui, 108);
        std::printf("check GO: %d\ncheck PROC: %d\n", go, proc);
    }
    // Saved as Save Go Program saves: the header takes the file's name.
    const bool saved = output.empty() || zf::SaveGoProgramAs(editor, output);
    std::fputs(zf::FormatLists(editor).c_str(), stdout);
    return saved ? 0 : 1;
}

} // namespace zfield
