#include "commands.h"
#include "conventions.h"
#include "language.h"

#include "files/go_program_file.h"
#include "files/ini_file.h"
#include "files/options_file.h"
#include "link/serial_port.h"
#include "link/zarnik_link.h"
#include "program/editor.h"
#include "program/printing_ui.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace zfield {

bool ReadLinkOption(const Args& args, std::size_t& i, LinkOptions& options) {
    const std::string& a = args[i];
    if (a == "--port" && i + 1 < args.size()) {
        long long port = 0;
        if (!ParseWholeNumber(args[++i], 1, 4, port))
            return false;
        options.port = static_cast<int>(port);
        return true;
    }
    if (a == "--device" && i + 1 < args.size()) {
        options.device = UserPath(args[++i]);
        return !options.device.empty();
    }
    if (a == "--trace") {
        options.trace = true;
        return true;
    }
    return false;
}

zf::LinkSettings SelectLinkPort(const LinkOptions& options) {
    // The port the program would use: "zfield.ini" names it and may name
    // its device; the command line wins.
    const zf::IniFile ini = zf::IniFile::Load(zf::OptionsFilePath(zf::Project()));
    zf::LinkSettings link;
    link.ReadDevices(ini);
    long port = ini.GetInt("com port", "com", 1);
    if (port < 1 || port > 2)
        port = 1;
    if (options.port)
        port = options.port;
    link.SelectPort(static_cast<int>(port));
    if (!options.device.empty())
        link.SetDevice(link.Port(), options.device);
    link.trace = options.trace ? &std::cout : nullptr;
    // The device may be the user's own terminal: an interrupted transfer
    // must not leave it raw.
    zf::RestoreCommSettingsOnExit();
    return link;
}

int SendCommand(const Args& args) {
    LinkOptions options;
    std::string path;
    bool havePath = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i].starts_with("--")) {
            if (!ReadLinkOption(args, i, options))
                return Fail(kExitUsage, "send", QT_TRANSLATE_NOOP("zfield", "bad option '%s'"),
                            {args[i]});
        } else if (!havePath) {
            if (!NonEmptyFileName("send", "FILE.gop", args[i]))
                return kExitUsage;
            path = args[i];
            havePath = true;
        } else {
            return Fail(kExitUsage, "send", QT_TRANSLATE_NOOP("zfield", "unexpected argument '%s'"),
                        {args[i]});
        }
    }
    if (!havePath)
        return Fail(kExitUsage, "send",
                    QT_TRANSLATE_NOOP("zfield", "which Go Program? (zfield send FILE.gop)"));
    zf::PrintingUi ui(stderr);
    zf::NameTables tables;
    zf::GoEditor editor(ui, tables);
    if (!zf::OpenGoProgram(editor, path, true))
        return kExitFailed;
    const zf::LinkSettings link = SelectLinkPort(options);
    return zf::SendGoProgram(editor, link) ? kExitOk : kExitFailed;
}

} // namespace zfield
