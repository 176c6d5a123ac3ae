#include "web_session.h"

#include "scene_json.h"

#include "files/activities.h"
#include "files/file_io.h"
#include "files/go_program_file.h"
#include "files/project_folder.h"
#include "program/key_entry.h"
#include "program/list_clicks.h"
#include "program/texts.h"
#include "simulation/headless_run.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <sys/stat.h>

namespace zf::web {

namespace {

// At the Instant speed everything is due at once: one pump does this much
// and leaves the rest for the next frame, so that the page never hangs.
constexpr std::chrono::milliseconds kPumpSlice{20};

std::string TonesJson(const std::vector<Tone>& tones) {
    std::string out = "[";
    for (const Tone& t : tones)
        out += (out.size() > 1 ? ",[" : "[") + std::to_string(t.frequency) + "," +
               std::to_string(t.milliseconds) + "]";
    return out + "]";
}

std::string MessagesJson(const std::vector<PageMessage>& messages, const char* kindKey) {
    std::string out = "[";
    for (const PageMessage& m : messages) {
        if (out.size() > 1)
            out += ",";
        out += "{\"caption\":" + JsonString(m.caption) + ",\"text\":" + JsonString(m.text) + ",\"" +
               kindKey + "\":" + JsonString(m.kind) + "}";
    }
    return out + "]";
}

// A file name the page gives, without any folder: it can name nothing
// outside the work folder.
std::string PlainName(const std::string& name, const char* fallback) {
    const std::string plain = std::filesystem::path(name).filename().string();
    return plain.empty() || plain == "." || plain == ".." ? fallback : plain;
}

std::vector<std::uint8_t> FileBytes(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (ReadWholeFile(path, bytes) != ReadResult::Ok)
        bytes.clear();
    return bytes;
}

// A snapshot: the working area as a project file, the name the Go List's
// first line shows, the Go Program and the file it was saved as (empty when
// never saved), each behind its length.
constexpr char kSnapshotMagic[8] = {'Z', 'F', 'S', 'N', 'A', 'P', '1', '\0'};

void PutPart(std::vector<std::uint8_t>& out, std::span<const std::uint8_t> part) {
    const auto n = static_cast<std::uint32_t>(part.size());
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
    out.insert(out.end(), part.begin(), part.end());
}

bool TakePart(std::span<const std::uint8_t>& in, std::span<const std::uint8_t>& part) {
    if (in.size() < 4)
        return false;
    std::uint32_t n = 0;
    for (int i = 0; i < 4; ++i)
        n |= std::uint32_t(in[i]) << (8 * i);
    in = in.subspan(4);
    if (n > in.size())
        return false;
    part = in.first(n);
    in = in.subspan(n);
    return true;
}

// A reloaded page's file system holds only the activities: a project kept
// in the work folder gets its picture folders back from them, as opening an
// activity first copied them there. Answers where the project is opened from.
std::string RestoreProjectFolder(std::span<const std::uint8_t> projectFile) {
    ProjectData data;
    std::string folder = kWorkFolder;
    if (ParseProjectV2(projectFile, data) && data.folder.starts_with(kWorkFolder))
        folder = data.folder;
    if (!folder.ends_with('/'))
        folder += '/';
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    for (const char* sub : kProjectSubFolders) {
        if (!std::filesystem::exists(folder + sub, ignored))
            std::filesystem::copy(std::string(kActivitiesFolder) + sub, folder + sub,
                                  std::filesystem::copy_options::recursive, ignored);
    }
    return folder + "snapshot.zfp";
}

} // namespace

WebSession::WebSession() : editor_(std::make_unique<GoEditor>(ui_, tables_)) {
    // This runtime starts with a mask that lets no one read a new file back.
    ::umask(022);
    // The child's own files and the work folder of opened activities.
    std::error_code ignored;
    std::filesystem::create_directories(kWorkFolder, ignored);
    ::setenv("XDG_DOCUMENTS_DIR", kWorkFolder, 1);
    project_.SetProgramFolder(kActivitiesFolder);
    project_.ResetToProgram();
    SetUpWorkingArea(state_, 10, 10);
    state_.homeShapeId = state_.shapeId = tables_.names.Add("zarndef.bmp");
    run_ = std::make_unique<RunControl>(*editor_, state_, trail_, objects_, ui_, clock_);
    ui_.runRequested = [this] { Post(RunRequest::Run); };
    SetSpeed(3);
    // Sound starts off, as on the desktop.
    SetSound(false);
    // The port's trace lines only with the Debug switch.
    SetLinkReport(false);
    NewProgram();
}

void WebSession::Post(RunRequest request, int param) {
    // A run takes the robot from no finger: a drag ends where it is first.
    if (drag_.kind() != FloorDrag::Kind::None) {
        drag_.LetGo();
        ui_.events.repaintFloor = true;
    }
    run_->Post(request, param);
}

bool WebSession::RunActive() const {
    return IsGoProgramActive(state_);
}

int WebSession::Key(int code) {
    lastStatus_ = status::Refused;
    keypad_.Click(code, RunActive(), int(editor_->procedureBeingDefined));
    return lastStatus_;
}

bool WebSession::KeyboardKey(const std::string& keyName, bool, bool ctrl) {
    const int code = KeyForKeyboard(keyName);
    if (code < 0 || ctrl)
        return false;
    Key(code);
    return true;
}

void WebSession::SendKey(int code, const KeyArgument& argument) {
    const bool defining = editor_->procedureBeingDefined != 0;
    lastStatus_ = ContainerKey(*editor_, code, argument);
    if (lastStatus_ == status::Refused)
        return;
    ui_.Play(KeySoundFor(defining, lastStatus_));
    ui_.events.repaintLists.insert(GO_LIST);
    ui_.events.repaintLists.insert(PROC_LIST);
}

void WebSession::RefuseClearMemory() {
    Warn(ui_, TextId::FinishDefiningFirst);
}

void WebSession::StartClearTimer() {
    clearDue_ = clock_.NowMs() + kClearPromptMs;
}

void WebSession::RequestStop() {
    run_->Send(RunRequest::EndRun);
    Post(RunRequest::Stop);
}

void WebSession::ClickList(int list, int line) {
    if (RunActive())
        return;
    if (list == PROC_LIST)
        ClickProcedureLine(*editor_, line);
    else if (list == GO_LIST)
        ClickGoListLine(*editor_, line);
}

void WebSession::Run(bool stepMode) {
    Post(RunRequest::Run, stepMode ? 1 : 0);
}

void WebSession::Stop() {
    Post(RunRequest::Stop);
}

void WebSession::Continue() {
    Post(RunRequest::Continue);
}

void WebSession::Step() {
    Post(RunRequest::Step);
}

void WebSession::Reset() {
    Post(RunRequest::Reset);
}

void WebSession::SetSpeed(int speed) {
    // The desktop's speed indexes: 0 Slow, 1 Medium, 2 Fast, 3 Instant.
    const int indexes[] = {2, 0, 0, 1, 3};
    const int index = speed >= 0 && speed <= 4 ? indexes[speed] : 1;
    state_.moveDelay = speed == 2 ? kVerySlowMoveDelay : MoveDelayForSpeed(index);
    run_->instant = index == 3;
}

void WebSession::SetSound(bool on) {
    ui_.sound = on;
    run_->interpreter().sound = on;
}

void WebSession::SetAnswer(int answer) {
    ui_.answer = answer == 1 ? Answer::No : answer == 2 ? Answer::Cancel : Answer::Yes;
}

double WebSession::NextDue() const {
    std::int64_t due = run_->NextDue();
    if (clearDue_ >= 0 && clearDue_ < due)
        due = clearDue_;
    return due == RunControl::kNever ? -1 : static_cast<double>(due);
}

void WebSession::Pump(double nowMs) {
    // The page's clock in milliseconds; anything else leaves the time as it is.
    if (nowMs >= 0 && nowMs < 1e15)
        clock_.WaitUntil(static_cast<std::int64_t>(nowMs));
    if (clearDue_ >= 0 && clearDue_ <= clock_.NowMs()) {
        clearDue_ = -1;
        keypad_.TimerFired();
    }
    const auto start = std::chrono::steady_clock::now();
    while (run_->NextDue() <= clock_.NowMs()) {
        run_->Pump();
        if (std::chrono::steady_clock::now() - start > kPumpSlice)
            break;
    }
}

std::string WebSession::TakeEvents() {
    PageEvents events = std::move(ui_.events);
    ui_.events = {};
    std::string lists = "[";
    for (const int list : events.repaintLists)
        lists += (lists.size() > 1 ? "," : "") + std::to_string(list);
    lists += "]";
    const std::string prompt = clearPrompt_ ? Text(TextId::ClearMemoryPrompt) : "";
    return "{\"warnings\":" + MessagesJson(events.warnings, "kind") +
           ",\"questions\":" + MessagesJson(events.questions, "answer") +
           ",\"repaintLists\":" + lists +
           ",\"repaintFloor\":" + (events.repaintFloor ? "true" : "false") +
           ",\"robotMoved\":" + (events.robotMoved ? "true" : "false") +
           ",\"running\":" + (RunActive() ? "true" : "false") +
           ",\"status\":" + JsonString(ui_.status) + ",\"clearPrompt\":" + JsonString(prompt) +
           ",\"tones\":" + TonesJson(events.tones) + "}";
}

int WebSession::ListLineCount(int list) const {
    return editor_->LineCount(list);
}

std::string WebSession::FloorSize() const {
    return "{\"widthMm\":" + std::to_string(state_.floorWidth) +
           ",\"heightMm\":" + std::to_string(state_.floorHeight) + ",\"steps\":[" +
           std::to_string(state_.floorWidth / kStepMm) + "," +
           std::to_string(state_.floorHeight / kStepMm) + "]}";
}

std::string WebSession::Robot() const {
    return "{\"x\":" + std::to_string(state_.x) + ",\"y\":" + std::to_string(state_.y) +
           ",\"heading\":" + std::to_string(state_.heading) +
           ",\"penDown\":" + (state_.penDown ? "true" : "false") + "}";
}

void WebSession::ProgramReplaced() {
    ui_.HideListCursor(PROC_LIST);
    ui_.HideListCursor(GO_LIST);
    if (const int list = editor_->ListOf(editor_->cursor))
        ui_.ShowListCursor(list, editor_->LineOf(list, editor_->cursor), cursor::Editing);
    ui_.events.repaintLists.insert(GO_LIST);
    ui_.events.repaintLists.insert(PROC_LIST);
}

bool WebSession::NewProgram() {
    if (RunActive()) {
        Warn(ui_, TextId::NoGoProgramWhileRunning);
        return false;
    }
    editor_->DestroyProgramList(PROC_LIST);
    editor_->DestroyProgramList(GO_LIST);
    editor_->procedureBeingDefined = 0;
    editor_->goPosition = nullptr;
    editor_->MakeHeader(TextOf(TextId::DefaultGoProgramName).data());
    editor_->modified = 0;
    editor_->file.clear();
    ProgramReplaced();
    return true;
}

bool WebSession::LoadGop(const std::vector<std::uint8_t>& bytes, const std::string& name) {
    if (RunActive()) {
        Warn(ui_, TextId::NoGoProgramWhileRunning);
        return false;
    }
    const std::string path = kWorkFolder + PlainName(name, "untitled.gop");
    if (!WriteFileAtomically(path, bytes)) {
        Warn(ui_, TextId::FileOpenError);
        return false;
    }
    const bool opened = OpenGoProgram(*editor_, path, true);
    ProgramReplaced();
    return opened;
}

std::string WebSession::SavePath() const {
    // Saved under its own name in the work folder: the header takes it.
    const std::string name = PlainName(editor_->file, "untitled.gop");
    return kWorkFolder + name;
}

std::vector<std::uint8_t> WebSession::SaveGop() {
    const std::string path = SavePath();
    if (!SaveGoProgramAs(*editor_, path))
        return {};
    ui_.events.repaintLists.insert(GO_LIST);
    return FileBytes(path);
}

bool WebSession::OpenActivity(const std::string& name) {
    const std::string plain = PlainName(name, "");
    if (plain.empty())
        return false;
    if (RunActive()) {
        Warn(ui_, TextId::NoProjectWhileRunning);
        return false;
    }
    const std::string path = kActivitiesFolder + plain;
    bool opened = false;
    if (plain.ends_with(".gop")) {
        opened = OpenGoProgram(*editor_, path, true);
    } else {
        ProjectScene scene = Scene();
        opened = OpenProject(scene, path, true);
        ui_.events.repaintFloor = true;
    }
    ProgramReplaced();
    return opened;
}

std::string WebSession::Activities() const {
    std::string out = "[";
    for (const Activity& a : ReadActivities(kActivitiesFolder)) {
        if (out.size() > 1)
            out += ",";
        out += "{\"file\":" + JsonString(PlainName(a.project, "")) +
               ",\"title\":" + JsonString(a.title) +
               ",\"description\":" + JsonString(a.description) + "}";
    }
    return out + "]";
}

std::vector<std::uint8_t> WebSession::Snapshot() {
    ProjectScene scene = Scene();
    std::vector<std::uint8_t> out(std::begin(kSnapshotMagic), std::end(kSnapshotMagic));
    PutPart(out, WriteProjectV2(scene, project_.folder));
    const GoInstruction* header = editor_->Head(GO_LIST);
    const std::string name = header ? tables_.names.Get(header->nameId) : std::string();
    PutPart(out, std::span(reinterpret_cast<const std::uint8_t*>(name.data()), name.size()));
    PutPart(out, WriteGoProgramV2(*editor_));
    PutPart(out, std::span(reinterpret_cast<const std::uint8_t*>(editor_->file.data()),
                           editor_->file.size()));
    return out;
}

bool WebSession::Restore(const std::vector<std::uint8_t>& bytes) {
    std::span<const std::uint8_t> in(bytes);
    std::span<const std::uint8_t> projectPart, namePart, programPart, filePart;
    if (in.size() < sizeof kSnapshotMagic ||
        !std::equal(std::begin(kSnapshotMagic), std::end(kSnapshotMagic), in.begin()))
        return false;
    in = in.subspan(sizeof kSnapshotMagic);
    if (!TakePart(in, projectPart) || !TakePart(in, namePart) || !TakePart(in, programPart) ||
        !TakePart(in, filePart) || RunActive())
        return false;
    const std::string name(namePart.begin(), namePart.end());
    const std::string path = RestoreProjectFolder(projectPart);
    // The program comes from the snapshot, not from a file the project
    // names, which a reloaded page does not have.
    ProjectData data;
    if (!ParseProjectV2(projectPart, data))
        return false;
    data.goProgram.clear();
    ProjectScene scene = Scene();
    if (!OpenProjectBytes(scene, WriteProjectV2(data), path))
        return false;
    const bool opened = OpenGoProgramBytes(*editor_, programPart, name, false);
    if (opened)
        editor_->file.assign(filePart.begin(), filePart.end());
    ui_.events.repaintFloor = true;
    ProgramReplaced();
    return opened;
}

} // namespace zf::web
