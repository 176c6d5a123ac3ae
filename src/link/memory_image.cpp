#include "link/memory_image.h"

#include "program/string_table.h"
#include "program/texts.h"

#include <algorithm>
#include <cstdlib>

namespace zf {

namespace {

std::uint8_t& FreePointer(ZarnikMemoryImage& image, int list) {
    return image[list == GO_LIST ? kGoFreeByte : kProcFreeByte];
}

// Cells 8..194 not yet written by either area; none when the pointers are
// not the encoder's own.
int FreeCells(const ZarnikMemoryImage& image) {
    int go = image[kGoFreeByte];
    int proc = image[kProcFreeByte];
    if (go > kGoStartCell || proc < kProcStartCell)
        return 0;
    return std::max(go - proc + 1, 0);
}

void PutCell(ZarnikMemoryImage& image, int list, int value) {
    std::uint8_t& free = FreePointer(image, list);
    image[free] = static_cast<std::uint8_t>(kEmptyCell | (value & 15));
    free = static_cast<std::uint8_t>(list == GO_LIST ? free - 1 : free + 1);
}

void PutTwoCells(ZarnikMemoryImage& image, int list, int value) {
    PutCell(image, list, value / 16);
    PutCell(image, list, value % 16);
}

void PutThreeCells(ZarnikMemoryImage& image, int list, int value) {
    PutCell(image, list, value / 256);
    PutCell(image, list, value / 16 % 16);
    PutCell(image, list, value % 16);
}

void SetTwoCellsAt(ZarnikMemoryImage& image, int cell, int value) {
    image[cell] = static_cast<std::uint8_t>(kEmptyCell | (value / 16 & 15));
    image[cell + 1] = static_cast<std::uint8_t>(kEmptyCell | (value & 15));
}

void PutProcedureHeader(ZarnikMemoryImage& image, ImageEncoder& encoder, int number) {
    int start = image[kProcFreeByte];
    if (start == kProcStartCell) {
        // The chain head: its link 8 points at the first header.
        const int head[4] = {0, 8, 0, 0};
        for (int i = 0; i < 4; ++i)
            SetTwoCellsAt(image, 2 * i, head[i]);
    }
    if (encoder.latestHeader >= 0)
        SetTwoCellsAt(image, encoder.latestHeader + 2, start - encoder.latestHeader);
    encoder.latestHeader = start;
    PutTwoCells(image, PROC_LIST, number);
    for (int i = 0; i < 3; ++i)
        PutTwoCells(image, PROC_LIST, 0);
}

void PutRepeatEnd(ZarnikMemoryImage& image, ImageEncoder& encoder, int list) {
    int repeat = encoder.openRepeats.back();
    encoder.openRepeats.pop_back();
    int end = FreePointer(image, list);
    int distance = std::abs(end - repeat) + 1;
    PutCell(image, list, op::RepeatEnd);
    // The PROC area runs upwards, so its jump back is negative.
    PutTwoCells(image, list, list == GO_LIST ? distance : (256 - distance) % 256);
}

} // namespace

void InitialiseZarnikMemBuffer(ZarnikMemoryImage& image) {
    image.fill(kEmptyCell);
    image[kProcFreeByte] = kProcStartCell;
    image[kGoFreeByte] = kGoStartCell;
}

void InitialiseZarnikMemBuffer(ZarnikMemoryImage& image, ImageEncoder& encoder) {
    InitialiseZarnikMemBuffer(image);
    encoder = ImageEncoder{};
}

int EncodedCells(const GoInstruction& instruction) {
    return OpcodeUnits(instruction.opcode);
}

int ProgramCells(const GoInstruction* goHead, const GoInstruction* procHead) {
    int cells = 0;
    for (const GoInstruction* in = goHead; in; in = in->next)
        cells += EncodedCells(*in);
    for (const GoInstruction* in = procHead; in; in = in->next)
        cells += EncodedCells(*in);
    return cells;
}

bool EncodeInstruction(ZarnikMemoryImage& image, ImageEncoder& encoder, const GoInstruction& in,
                       int list) {
    const std::uint8_t code = in.opcode;
    if (!IsRobotOpcode(code))
        return true;
    if (code == op::RepeatEnd && encoder.openRepeats.empty())
        return true;
    if (code == op::ProcedureDef && list != PROC_LIST)
        return true;
    if (EncodedCells(in) > FreeCells(image))
        return false;

    const int first = InstructionNumber(in, 1);
    const int second = InstructionNumber(in, 2);
    if (code == op::ProcedureDef) {
        PutProcedureHeader(image, encoder, first);
        return true;
    }
    if (code == op::RepeatEnd) {
        PutRepeatEnd(image, encoder, list);
        return true;
    }
    if (code == op::Repeat)
        encoder.openRepeats.push_back(FreePointer(image, list));
    PutCell(image, list, code);
    switch (code) {
    case op::Forward:
    case op::Back:
    case op::Procedure:
    case op::Wait:
    case op::MoveUnit:
        PutTwoCells(image, list, first);
        break;
    case op::Left:
    case op::Right:
    case op::TurnUnit:
        PutThreeCells(image, list, first);
        break;
    case op::Repeat:
        PutTwoCells(image, list, first);
        PutTwoCells(image, list, 0);
        break;
    case op::Quaver:
    case op::QuaverSetting:
        PutCell(image, list, first);
        PutCell(image, list, second);
        break;
    case op::Motor:
        PutCell(image, list, first);
        PutThreeCells(image, list, second);
        break;
    case op::Sense:
        if (in.bracketOpen) {
            PutCell(image, list, 11);
            PutCell(image, list, first);
            PutCell(image, list, 11);
        } else {
            PutCell(image, list, first);
            PutTwoCells(image, list, second);
        }
        break;
    case op::Toggle:
        PutCell(image, list, (second - 1) * 4 + (first - 1));
        break;
    default:
        break;
    }
    return true;
}

bool EncodeGoProgram(ZarnikMemoryImage& image, const GoInstruction* goHead,
                     const GoInstruction* procHead) {
    ImageEncoder encoder;
    InitialiseZarnikMemBuffer(image, encoder);
    if (ProgramCells(goHead, procHead) > kGoStartCell - kProcStartCell + 1)
        return false;
    for (const GoInstruction* in = goHead; in; in = in->next)
        EncodeInstruction(image, encoder, *in, GO_LIST);
    for (const GoInstruction* in = procHead; in; in = in->next)
        EncodeInstruction(image, encoder, *in, PROC_LIST);
    return true;
}

namespace {

// Walks the cells of one area; a read that would leave cells 0..194 marks
// the reader spent instead, whatever the pointer bytes claimed.
class CellReader {
  public:
    CellReader(const ZarnikMemoryImage& image, int start, int step)
        : image_(image), position_(start), step_(step) {}

    int Cell() {
        if (position_ < 0 || position_ > kGoStartCell) {
            outside_ = true;
            return 0;
        }
        int value = image_[position_] & 15;
        position_ += step_;
        return value;
    }
    int TwoCells() {
        int high = Cell();
        return 16 * high + Cell();
    }
    int ThreeCells() {
        int high = Cell();
        int middle = Cell();
        return 256 * high + 16 * middle + Cell();
    }
    int position() const { return position_; }
    bool outside() const { return outside_; }

  private:
    const ZarnikMemoryImage& image_;
    int position_;
    int step_;
    bool outside_ = false;
};

std::uint8_t Digit(int value) {
    return static_cast<std::uint8_t>(std::min(value, 9));
}

void SetUpToTwoDigits(GoInstruction& in, int k, int value) {
    if (value < 10) {
        in.digits[k] = Digit(value);
        return;
    }
    value = std::min(value, 99);
    in.digits[k] = static_cast<std::uint8_t>(value / 10);
    in.digits[k + 1] = static_cast<std::uint8_t>(value % 10);
}

void SetUpToThreeDigits(GoInstruction& in, int k, int value) {
    if (value < 100) {
        SetUpToTwoDigits(in, k, value);
        return;
    }
    value = std::min(value, 999);
    in.digits[k] = static_cast<std::uint8_t>(value / 100);
    in.digits[k + 1] = static_cast<std::uint8_t>(value / 10 % 10);
    in.digits[k + 2] = static_cast<std::uint8_t>(value % 10);
}

void SetBrackets(GoInstruction& in, bool open, bool closed) {
    in.bracketOpen = open ? 1 : 0;
    in.bracketClosed = closed ? 1 : 0;
}

// Reads the operands of an instruction whose opcode is already set.
void ReadOperands(CellReader& cells, GoInstruction& in) {
    switch (in.opcode) {
    case op::Forward:
    case op::Back:
    case op::Procedure:
    case op::Wait:
        SetUpToTwoDigits(in, 0, cells.TwoCells());
        break;
    case op::Left:
    case op::Right:
        SetUpToThreeDigits(in, 0, cells.ThreeCells());
        break;
    case op::Repeat:
        SetBrackets(in, true, false);
        SetUpToTwoDigits(in, 0, cells.TwoCells());
        cells.TwoCells();
        break;
    case op::Quaver: {
        int length = cells.Cell();
        in.digits[0] = Digit(length);
        SetUpToTwoDigits(in, 1, cells.Cell());
        break;
    }
    case op::Motor: {
        int motor = cells.Cell();
        in.digits[0] = Digit(motor);
        SetUpToThreeDigits(in, 1, cells.ThreeCells());
        break;
    }
    case op::Sense: {
        int sensor = cells.Cell();
        if (sensor >= 10) {
            SetBrackets(in, true, true);
            in.digits[0] = Digit(cells.Cell());
            cells.Cell();
            break;
        }
        int value = cells.TwoCells();
        if (sensor != 0)
            in.digits[0] = Digit(sensor);
        // A keyed second number starts at 1, so 0 means "Sense s" alone.
        if (sensor != 0 && value != 0)
            SetUpToTwoDigits(in, 1, value);
        break;
    }
    case op::Toggle: {
        int x = cells.Cell();
        in.digits[0] = static_cast<std::uint8_t>((x & 3) + 1);
        in.digits[1] = (x & 4) ? 2 : 1;
        break;
    }
    case op::RepeatEnd:
        cells.TwoCells();
        break;
    case op::ProcedureEnd:
        SetBrackets(in, false, true);
        break;
    case op::QuaverSetting: {
        SetBrackets(in, true, true);
        int a = cells.Cell();
        in.digits[0] = Digit(a);
        in.digits[1] = Digit(cells.Cell());
        break;
    }
    case op::MoveUnit:
        SetBrackets(in, true, true);
        SetUpToTwoDigits(in, 0, cells.TwoCells());
        break;
    case op::TurnUnit:
        SetBrackets(in, true, true);
        SetUpToThreeDigits(in, 0, cells.ThreeCells());
        break;
    default:
        break;
    }
}

void AppendRebuilt(GoEditor& editor, const GoInstruction& in, int list) {
    if (!editor.Head(GO_LIST) && !editor.Head(PROC_LIST)) {
        GoInstruction header(op::GoProgramHeader);
        header.complete = 1;
        header.digits.fill(kNoDigit);
        header.nameId = editor.tables().names.Add(Text(TextId::RobotGoProgramName));
        editor.InsertCopy(header, GO_LIST);
    }
    editor.InsertCopy(in, list);
    editor.ui().RepaintList(list, editor.LineCount(list));
}

} // namespace

bool ParseZarnikMemDump(const ZarnikMemoryImage& image, GoEditor& editor) {
    const int goEnd = image[kGoFreeByte];
    const int procEnd = image[kProcFreeByte];
    CellReader go(image, kGoStartCell, -1);
    while (go.position() > goEnd) {
        GoInstruction in(static_cast<std::uint8_t>(go.Cell()));
        in.complete = 1;
        ReadOperands(go, in);
        if (go.outside())
            return true;
        AppendRebuilt(editor, in, GO_LIST);
    }
    CellReader proc(image, kProcStartCell, 1);
    int procedure = 0;
    while (proc.position() < procEnd) {
        GoInstruction in;
        in.complete = 1;
        if (procedure == 0) {
            int number = proc.TwoCells();
            for (int i = 0; i < 3; ++i)
                proc.TwoCells();
            if (proc.outside())
                return true;
            if (number == 0)
                return false;
            procedure = number;
            in.opcode = op::ProcedureDef;
            SetBrackets(in, true, false);
            SetUpToTwoDigits(in, 0, number);
        } else {
            in.opcode = static_cast<std::uint8_t>(proc.Cell());
            if (in.opcode == op::ProcedureEnd)
                procedure = 0;
            ReadOperands(proc, in);
            if (proc.outside())
                return true;
        }
        AppendRebuilt(editor, in, PROC_LIST);
    }
    return true;
}

} // namespace zf

namespace zf {

namespace {

// A scratch editor's checks speak to no one.
class SilentUi : public UserInterface {
  public:
    void WarningBox(TextId, const std::string&) override {}
    Answer Ask(TextId, const std::string&, Buttons) override { return Answer::No; }
};

} // namespace

bool HoldsRobotCells(const ZarnikMemoryImage& image) {
    for (int cell = 0; cell <= kGoStartCell; ++cell)
        if ((image[cell] & 0xF0) != kEmptyCell)
            return false;
    return true;
}

bool IsZarnikMemoryImage(const ZarnikMemoryImage& image) {
    if (!HoldsRobotCells(image))
        return false;
    const int go = image[kGoFreeByte];
    const int proc = image[kProcFreeByte];
    return proc >= kProcStartCell && go <= kGoStartCell && proc <= go + 1;
}

bool HoldsSoundProgram(const ZarnikMemoryImage& image) {
    if (!IsZarnikMemoryImage(image))
        return false;
    SilentUi ui;
    NameTables tables;
    GoEditor scratch(ui, tables);
    scratch.DestroyProgramList(GO_LIST);
    const bool whole = ParseZarnikMemDump(image, scratch);
    if (scratch.memoryUnitsLeft < 0)
        return false;
    for (const GoInstruction* in = scratch.Head(GO_LIST); in; in = in->next)
        if (in->opcode == op::ProcedureEnd)
            return false;
    const int go = CheckGoList(&scratch);
    const int proc = CheckProcList(&scratch);
    if ((go != 0 && go != 2) || (proc != 0 && proc != 3))
        return false;
    // Whole instructions fill each area exactly; a PROC area cut short by a
    // procedure numbered 0 keeps what came before it.
    ZarnikMemoryImage again;
    if (!EncodeGoProgram(again, scratch.Head(GO_LIST), scratch.Head(PROC_LIST)))
        return false;
    return again[kGoFreeByte] == image[kGoFreeByte] &&
           (!whole || again[kProcFreeByte] == image[kProcFreeByte]);
}

} // namespace zf
