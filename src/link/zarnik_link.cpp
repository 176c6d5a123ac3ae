#include "link/zarnik_link.h"

#include "link/comms_report.h"
#include "link/serial_port.h"
#include "program/texts.h"
#include "program/unnumbered_texts.h"

#include <algorithm>

namespace zf {

namespace {

// Opens the selected port and sends a command byte: the start of every
// transfer. An invalid port when it would not open (the user has been told).
CommPort OpenPortForCommand(UserInterface& ui, const LinkSettings& link, std::uint8_t command) {
    std::uint32_t error = 0;
    CommPort port = OpenComm(link, error, link.DevicePath());
    if (!port.valid()) {
        Warn(ui, TextId::CannotOpenComPort);
        return port;
    }
    TxComm(port, &command, 1, link.timeouts.sendCommand);
    return port;
}

bool InList(const GoEditor& editor, int list, const GoInstruction* wanted) {
    for (const GoInstruction* in = editor.Head(list); in; in = in->next)
        if (in == wanted)
            return true;
    return false;
}

// The definition being keyed is closed while empty procedures go, and
// reopened afterwards when it survived.
void DeleteEmptyProceduresForSend(GoEditor& editor) {
    const int open = editor.procedureBeingDefined;
    GoInstruction* keyed = editor.cursor;
    if (open >= 1) {
        editor.procedureBeingDefined = 0;
        editor.cursor =
            InList(editor, GO_LIST, editor.goPosition) ? editor.goPosition : editor.Last(GO_LIST);
    }
    editor.DeleteEmptyProcedures();
    if (open < 1)
        return;
    if (editor.FindProcedure(PROC_LIST, open) && InList(editor, PROC_LIST, keyed)) {
        editor.procedureBeingDefined = static_cast<std::int16_t>(open);
        editor.cursor = keyed;
        editor.ui().ShowListCursor(PROC_LIST, editor.LineOf(PROC_LIST, keyed), cursor::Editing);
    } else {
        editor.goPosition = nullptr;
        if (editor.cursor)
            editor.ui().ShowListCursor(GO_LIST, editor.LineOf(GO_LIST, editor.cursor),
                                       cursor::Editing);
    }
}

// The receive image with guard bands around it, dumped whole by the report.
struct ReceiveArea {
    std::array<std::uint8_t, 16> guardBefore{};
    ZarnikMemoryImage image{};
    std::array<std::uint8_t, 16> guardAfter{};
};
static_assert(sizeof(ReceiveArea) == 16 + kZarnikImageSize + 16);

int RunLinkWork(const LinkRunner& runner, UserInterface& ui, const LinkWork& work) {
    return runner ? runner(work) : work(ui);
}

// The robot did not answer, or not in full: the user is told which port
// and device were tried, so that a wrong choice can be seen.
void NotResponding(UserInterface& ui, const LinkSettings& link) {
    ui.WarningBox(TextId::ZarnikNotResponding,
                  Text(TextId::ZarnikNotResponding) +
                      FormatText(Translated(unnumbered::kPortTried),
                                 {static_cast<long long>(link.Port()), link.DevicePath()}));
}

// The robot's whole memory as it came down the lead, unchecked: non-zero
// when 197 bytes came (the user has been told otherwise).
int ReadRobotMemory(UserInterface& ui, const LinkSettings& link, ZarnikMemoryImage& image) {
    const std::uint8_t command = kReadProgramCommand;
    CommPort port = OpenPortForCommand(ui, link, command);
    if (!port.valid())
        return 0;
    const LinkTimeouts& timeouts = link.timeouts;
    WaitRxEvent(port, timeouts.receiveEvent);
    std::array<std::uint8_t, kZarnikImageSize + 1> received{};
    int count = WaitRxData(port, received.data(), kZarnikImageSize, timeouts.receiveImage);
    if (count != kZarnikImageSize) {
        CloseComm(port);
        NotResponding(ui, link);
        return 0;
    }
    int first = 0;
    // Some robots echo the command byte before their memory.
    if (received[0] == command) {
        count = WaitRxData(port, &received[kZarnikImageSize], 1, timeouts.receiveEcho);
        if (count != 1) {
            ui.WarningBox(kUnnumbered, Translated(unnumbered::kGotZeroChars));
            CloseComm(port);
            return 0;
        }
        first = 1;
    }
    CloseComm(port);
    std::copy_n(received.begin() + first, kZarnikImageSize, image.begin());
    return count;
}

} // namespace

void HeldWarnings::WarningBox(TextId id, const std::string& text) {
    held_.push_back({id, text, false});
}

void HeldWarnings::InformationBox(TextId id, const std::string& text) {
    held_.push_back({id, text, true});
}

Answer HeldWarnings::Ask(TextId, const std::string&, Buttons) {
    return Answer::No;
}

void HeldWarnings::ShowTo(UserInterface& ui) const {
    for (const Held& box : held_) {
        if (box.information)
            ui.InformationBox(box.id, box.text);
        else
            ui.WarningBox(box.id, box.text);
    }
}

int CopyProgramToZarnik(UserInterface& ui, const LinkSettings& link,
                        const ZarnikMemoryImage& image) {
    CommPort port = OpenPortForCommand(ui, link, kStoreProgramCommand);
    if (!port.valid())
        return 0;
    if (TxComm(port, image.data(), kZarnikImageSize, link.timeouts.sendImage) < kZarnikImageSize) {
        CloseComm(port);
        NotResponding(ui, link);
        return 0;
    }
    CloseComm(port);
    ui.InformationBox(TextId::ProgramCopiedToZarnik, Text(TextId::ProgramCopiedToZarnik));
    return 1;
}

int CopyProgramFromZarnik(UserInterface& ui, const LinkSettings& link, ZarnikMemoryImage& image) {
    ZarnikMemoryImage answer;
    const int count = ReadRobotMemory(ui, link, answer);
    if (!count)
        return 0;
    // A peer that is no robot must not pass for one, nor its bytes for a
    // program.
    if (!IsZarnikMemoryImage(answer)) {
        ui.WarningBox(kUnnumbered, Translated(unnumbered::kRobotAnswerGarbled));
        return 0;
    }
    image = answer;
    return count;
}

bool SendGoProgram(GoEditor& editor, const LinkSettings& link, const LinkRunner& runner) {
    UserInterface& ui = editor.ui();
    const int go = CheckGoList(&editor);
    if (go == 4)
        Warn(ui, TextId::GoIncompleteInstruction);
    if (go != 0 && go != 2)
        return false;
    const int proc = CheckProcList(&editor);
    if (proc == 4)
        Warn(ui, TextId::ProcIncompleteInstruction);
    if (proc != 0 && proc != 3)
        return false;
    if (editor.FindEmptyProcedure()) {
        Warn(ui, TextId::EmptyProceduresForSend);
        DeleteEmptyProceduresForSend(editor);
    }
    // A loaded program may need more cells than the robot has: refuse it
    // before anything goes down the lead.
    ZarnikMemoryImage image;
    if (!EncodeGoProgram(image, editor.Head(GO_LIST), editor.Head(PROC_LIST))) {
        Warn(ui, TextId::ZarnikMemoryFull);
        return false;
    }
    // The robot's memory is read first, only as a check that a robot
    // answers: memory left garbled (after a battery change, say) must still
    // be overwritten, so any full answer of robot cells will do.
    return RunLinkWork(runner, ui, [&image, &link](UserInterface& told) {
               ZarnikMemoryImage robot;
               if (!ReadRobotMemory(told, link, robot))
                   return 0;
               if (!HoldsRobotCells(robot)) {
                   told.WarningBox(kUnnumbered, Translated(unnumbered::kRobotAnswerGarbled));
                   return 0;
               }
               return CopyProgramToZarnik(told, link, image);
           }) == 1;
}

bool ReadZarnikProgramToZarnikMemBuffer(GoEditor& editor, const LinkSettings& link,
                                        const LinkRunner& runner) {
    UserInterface& ui = editor.ui();
    ReceiveArea area;
    CommsReport report;
    report.data = reinterpret_cast<std::uint8_t*>(&area);
    report.length = sizeof area;
    report.guardBefore = sizeof area.guardBefore;
    report.guardAfter = sizeof area.guardAfter;
    report.title = "Zarnik Memory Dump: ReadZarnikProgramToZarnikMemBuffer()";
    report.owner = &ui;
    OpenCommsReport(report, link.report);

    WriteReportStage(report, "pre InitialiseZarnikMemBuffer()");
    InitialiseZarnikMemBuffer(area.image);
    WriteReportStage(report, "InitialiseZarnikMemBuffer()");
    if (!RunLinkWork(runner, ui, [&area, &link](UserInterface& told) {
            return CopyProgramFromZarnik(told, link, area.image);
        })) {
        CloseCommsReport(report);
        return false;
    }
    WriteReportStage(report, "CopyProgramFromZarnik()");
    if (!HoldsSoundProgram(area.image)) {
        ui.WarningBox(kUnnumbered, Translated(unnumbered::kRobotProgramDamaged));
        CloseCommsReport(report);
        return false;
    }
    WriteReportStage(report, "ParseZarnikMemDump()");
    editor.DestroyProgramList(GO_LIST);
    WriteReportStage(report, "DestroyProgramList(GO_LIST)");
    editor.DestroyProgramList(PROC_LIST);
    WriteReportStage(report, "DestroyProgramList(PROC_LIST)");
    // No definition survives the emptying, so keying goes to the GO list.
    editor.procedureBeingDefined = 0;

    if (ParseZarnikMemDump(area.image, editor))
        WriteReportStage(report, "All Commands processed");
    // Even a parse cut short has replaced the program: the cursor must lie
    // in the GO list and the change must be offered for saving.
    editor.cursor = editor.Last(GO_LIST);
    editor.modified = 1;
    // Appending leaves every line at the margin; bodies are indented as keyed.
    editor.Reindent(GO_LIST);
    editor.Reindent(PROC_LIST);
    ui.RepaintList(PROC_LIST, 1);
    ui.RepaintList(GO_LIST, 1);
    if (editor.Head(PROC_LIST))
        ui.ShowProcedureWindow();
    CloseCommsReport(report);
    ui.InformationBox(kUnnumbered, Translated(unnumbered::kProgramCopiedFromZarnik));
    return true;
}

} // namespace zf
