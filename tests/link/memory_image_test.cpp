#include "link/memory_image.h"

#include "program/key_sequence.h"
#include "program/string_table.h"
#include "program/texts.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zf {
namespace {

struct Keyed {
    test::Recorder ui;
    NameTables tables;
    GoEditor editor{ui, tables};
    explicit Keyed(std::string_view keys) {
        std::string error;
        EXPECT_TRUE(KeySequence(editor, keys, &error)) << error;
    }
};

ZarnikMemoryImage Encode(const GoEditor& editor) {
    ZarnikMemoryImage image;
    EXPECT_TRUE(EncodeGoProgram(image, editor.Head(GO_LIST), editor.Head(PROC_LIST)));
    return image;
}

// Cell values from `first` to `last`, in either direction.
std::vector<int> Cells(const ZarnikMemoryImage& image, int first, int last) {
    std::vector<int> values;
    const int step = first <= last ? 1 : -1;
    for (int i = first; i != last + step; i += step) {
        EXPECT_EQ(image[i] & 0xF0, 0xF0) << "cell " << i;
        values.push_back(image[i] & 15);
    }
    return values;
}

ZarnikMemoryImage Fresh() {
    ZarnikMemoryImage image;
    InitialiseZarnikMemBuffer(image);
    return image;
}

TEST(EncodingImages, ProcedureHeadersFormAChainAndRepeatsJumpBothWays) {
    Keyed keyed("P 3 [ FD 2 ] P 4 [ BK 1 ]");
    ZarnikMemoryImage image = Encode(keyed.editor);
    EXPECT_EQ(Cells(image, 0, 7), (std::vector<int>{0, 0, 0, 8, 0, 0, 0, 0}));
    EXPECT_EQ(Cells(image, 8, 15), (std::vector<int>{0, 3, 0, 12, 0, 0, 0, 0}));
    EXPECT_EQ(Cells(image, 16, 19), (std::vector<int>{0, 0, 2, 12}));
    EXPECT_EQ(Cells(image, 20, 27), (std::vector<int>{0, 4, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Cells(image, 28, 31), (std::vector<int>{1, 0, 1, 12}));
    EXPECT_EQ(std::tuple(image[195], image[196]), std::tuple(32, 194));

    // Nested repeats jump both ways; going up, the jump back is the negative
    // distance: 0xF7 is -9.
    Keyed nested("RPT 2 [ RPT 3 [ FD 1 ] ] P 5 [ RPT 2 [ FD 1 ] ]");
    image = Encode(nested.editor);
    EXPECT_EQ(Cells(image, 194, 176),
              (std::vector<int>{4, 0, 2, 0, 0, 4, 0, 3, 0, 0, 0, 0, 1, 11, 0, 9, 11, 1, 1}));
    EXPECT_EQ(Cells(image, 16, 27), (std::vector<int>{4, 0, 2, 0, 0, 0, 0, 1, 11, 15, 7, 12}));
    EXPECT_EQ(std::tuple(image[195], image[196]), std::tuple(28, 175));
}

TEST(EncodingImages, EveryOpcodeInTheGoArea) {
    Keyed keyed("FD 2 5 BK 1 LT 3 6 0 RT 9 0 W 5 P 7 POS(1,1) Q 2 1 4 M 1 2 5 0 S S 3 1 5 "
                "S [ 2 ] T 4 2 Q [ 3 2 ] FD [ 2 5 ] LT [ 9 0 ]");
    ZarnikMemoryImage image = Encode(keyed.editor);
    const std::vector<int> expected = {
        0,  1,  9,          // Forward 25
        1,  0,  1,          // Back 1
        2,  1,  6,  8,      // Left 360
        3,  0,  5,  10,     // Right 90
        7,  0,  5,          // Wait 5
        5,  0,  7,          // call procedure 7
        6,  2,  14,         // Quaver 2 14
        8,  1,  0,  15, 10, // Motor 1 250
        9,  0,  0,  0,      // Sense with no digits
        9,  3,  0,  15,     // Sense 3 15
        9,  11, 2,  11,     // Sense [ 2 ]
        10, 7,              // Toggle 4 2
        13, 3,  2,          // Quaver [ 3 2 ]
        14, 1,  9,          // Forward [ 25 ]
        15, 0,  5,  10,     // Left [ 90 ]
    };
    const int last = 194 - static_cast<int>(expected.size()) + 1;
    EXPECT_EQ(std::tuple(Cells(image, 194, last), image[196], 194 - image[196]),
              std::tuple(expected, last - 1, kMemoryUnits - keyed.editor.memoryUnitsLeft));
}

// A loaded file can hold more than the robot: 63 Forwards are 189 cells.
std::unique_ptr<Keyed> Forwards(int count) {
    auto keyed = std::make_unique<Keyed>("");
    GoInstruction forward(op::Forward);
    forward.digits[0] = 1;
    forward.complete = 1;
    for (int i = 0; i < count; ++i)
        keyed->editor.InsertCopy(forward, GO_LIST);
    return keyed;
}

TEST(EncodingImages, ProgramsBeyondTheMemoryAreRefused) {
    auto fits = Forwards(61);
    GoInstruction left(op::Left);
    left.digits[0] = 1;
    fits->editor.InsertCopy(left, GO_LIST);
    ZarnikMemoryImage image;
    ASSERT_TRUE(EncodeGoProgram(image, fits->editor.Head(GO_LIST), nullptr));
    EXPECT_EQ(image[196], 7); // all 187 cells used

    auto tooBig = Forwards(63);
    EXPECT_FALSE(EncodeGoProgram(image, tooBig->editor.Head(GO_LIST), nullptr));
    EXPECT_EQ(image, Fresh());

    // Instruction by instruction the areas never meet: with one cell left
    // neither a procedure header nor a Forward is written.
    ImageEncoder encoder;
    InitialiseZarnikMemBuffer(image, encoder);
    for (int i = 0; i < 62; ++i)
        EXPECT_TRUE(EncodeInstruction(image, encoder, *tooBig->editor.Last(GO_LIST), GO_LIST));
    // A graphic command, a stray end bracket or a definition in the GO list
    // takes no cells and is no failure.
    GoInstruction def(op::ProcedureDef);
    def.digits[0] = 3;
    for (std::uint8_t code : {op::PenUp, op::RepeatEnd, op::ProcedureDef}) {
        GoInstruction none(code);
        none.digits[0] = 3;
        EXPECT_TRUE(EncodeInstruction(image, encoder, none, GO_LIST)) << int(code);
    }
    EXPECT_FALSE(EncodeInstruction(image, encoder, def, PROC_LIST));
    EXPECT_FALSE(EncodeInstruction(image, encoder, *tooBig->editor.Last(GO_LIST), GO_LIST));
    EXPECT_EQ(std::tuple(image[195], image[196], Cells(image, 0, 8)),
              std::tuple(8, 8, std::vector<int>(9, 0)));

    // Pointers that are not the encoder's own leave no room at all.
    image[196] = 0xFF;
    const ZarnikMemoryImage before = image;
    EXPECT_FALSE(EncodeInstruction(image, encoder, *tooBig->editor.Last(GO_LIST), GO_LIST));
    EXPECT_EQ(image, before);
}

// The parse goes into an editor whose lists were emptied first, as Get does.
struct Parsed : Keyed {
    bool whole = false;
    explicit Parsed(const ZarnikMemoryImage& image) : Keyed("") {
        editor.DestroyProgramList(GO_LIST);
        editor.DestroyProgramList(PROC_LIST);
        whole = ParseZarnikMemDump(image, editor);
    }
    std::vector<const GoInstruction*> List(int list) const {
        std::vector<const GoInstruction*> out;
        for (const GoInstruction* in = editor.Head(list); in; in = in->next)
            out.push_back(in);
        return out;
    }
};

using Digits = std::array<std::uint8_t, 4>;
constexpr std::uint8_t N = kNoDigit;

void SetCells(ZarnikMemoryImage& image, int first, std::initializer_list<int> values, int step) {
    int i = first;
    for (int v : values) {
        image[i] = static_cast<std::uint8_t>(0xF0 | v);
        i += step;
    }
}

TEST(ParsingImages, ValuesBecomeDigitsAndAreClipped) {
    ZarnikMemoryImage image = Fresh();
    SetCells(image, 194, {0,  0,  5,      // Forward 5
                          0,  1,  9,      // Forward 25
                          0,  15, 15,     // Forward 255, clipped to 99
                          2,  15, 15, 15, // Left 4095, clipped to 999
                          10, 7,          // Toggle 4 2
                          9,  0,  0,  0,  // Sense with no digits
                          9,  3,  0,  0,  // Sense 3 alone
                          6,  15, 1},     // Quaver length 15, clipped to 9
             -1);
    image[196] = 194 - 26;
    Parsed parsed(image);
    auto go = parsed.List(GO_LIST);
    // The robot's own header heads the list.
    EXPECT_EQ(std::tuple(go[0]->opcode,
                         std::string(parsed.editor.tables().names.Get(go[0]->nameId)),
                         go[0]->complete),
              std::tuple(op::GoProgramHeader, Text(TextId::RobotGoProgramName), 1u));
    std::vector<Digits> digits;
    for (const GoInstruction* in : go)
        digits.push_back(in->digits);
    EXPECT_EQ(digits, (std::vector<Digits>{go[0]->digits,
                                           {5, N, N, N},
                                           {2, 5, N, N},
                                           {9, 9, N, N},
                                           {9, 9, 9, N},
                                           {4, 2, N, N},
                                           {N, N, N, N},
                                           {3, N, N, N},
                                           {9, 1, N, N}}));
}

TEST(ParsingImages, ProcedureAreaAndItsEarlyEnd) {
    Parsed empty(Fresh());
    EXPECT_EQ(std::tuple(empty.editor.Head(GO_LIST), empty.editor.Head(PROC_LIST)),
              std::tuple(nullptr, nullptr));

    ZarnikMemoryImage image = Fresh();
    SetCells(image, 8, {0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 2, 12}, 1);
    image[195] = 20;
    Parsed parsed(image);
    auto proc = parsed.List(PROC_LIST);
    ASSERT_EQ(proc.size(), 3u);
    // The robot's header heads the GO list even without GO instructions.
    EXPECT_EQ(std::tuple(proc[2]->opcode, proc[2]->bracketClosed, parsed.List(GO_LIST).size()),
              std::tuple(op::ProcedureEnd, 1u, 1u));

    // A header numbered 0 ends the parse; what came before stays.
    image[195] = 40;
    Parsed early(image);
    EXPECT_EQ(std::tuple(early.whole, early.List(PROC_LIST).size()), std::tuple(false, 3u));
}

TEST(ParsingImages, ReadsStayInsideTheCellsWhateverThePointersSay) {
    // GO end 0: Forwards at 194, 191, ... 5, then a Left at 2 whose last
    // operand would lie below cell 0.
    auto image = std::make_unique<ZarnikMemoryImage>(Fresh());
    (*image)[2] = 0xF2;
    (*image)[196] = 0;
    Parsed go(*image);
    EXPECT_EQ(std::tuple(go.List(GO_LIST).size(), go.editor.Last(GO_LIST)->opcode),
              std::tuple(1u + 64u, op::Forward));
    // A Forward whose last digit is cell 0 is still read.
    (*image)[2] = 0xF0;
    Parsed toCellZero(*image);
    EXPECT_EQ(toCellZero.List(GO_LIST).size(), 1u + 65u);

    // PROC end 255: procedure 1, then Forwards up to one that would read
    // the pointer byte 195.
    image = std::make_unique<ZarnikMemoryImage>(Fresh());
    SetCells(*image, 8, {0, 1}, 1);
    (*image)[195] = 0xFF;
    Parsed proc(*image);
    EXPECT_EQ(proc.List(PROC_LIST).size(), 1u + 59u);

    // Nothing but set bits: no pointer makes sense.
    image->fill(0xFF);
    Parsed ones(*image);
    EXPECT_TRUE(ones.whole);
}

// Instruction by instruction: what the keypad made and what came back.
void ExpectSameLists(const GoEditor& keyed, const GoEditor& parsed) {
    for (int list : {GO_LIST, PROC_LIST}) {
        const GoInstruction* a = keyed.Head(list);
        const GoInstruction* b = parsed.Head(list);
        if (list == GO_LIST && a && b) {
            ASSERT_EQ(b->opcode, op::GoProgramHeader);
            a = a->next;
            b = b->next;
        }
        for (; a && b; a = a->next, b = b->next) {
            if (IsGraphicCommand(a->opcode)) {
                b = b->prev;
                continue;
            }
            SCOPED_TRACE(ListingLine(*a, keyed.tables()));
            EXPECT_EQ(std::tuple(b->opcode, b->digits, b->bracketOpen),
                      std::tuple(a->opcode, a->digits, a->bracketOpen));
            // The robot's procedure end comes back marked closed, which
            // the keyed one never is; nothing reads it.
            if (a->opcode != op::ProcedureEnd) {
                EXPECT_EQ(b->bracketClosed, a->bracketClosed);
            }
            EXPECT_EQ(b->complete, 1u);
        }
        EXPECT_EQ(a, nullptr) << "list " << list << " came back short";
        EXPECT_EQ(b, nullptr) << "list " << list << " came back long";
    }
    EXPECT_EQ(parsed.memoryUnitsLeft, keyed.memoryUnitsLeft);
}

TEST(RoundTrips, EverythingTheKeypadMakesComesBack) {
    const char* programs[] = {
        "FD 2 5 BK 1 LT 3 6 0 RT 9 0 W 5 P 7 Q 2 1 4 M 1 2 5 0 S S 3 S 3 1 5 S [ 2 ] T 4 2 "
        "T 1 1 Q [ 3 2 ] FD [ 2 5 ] BK [ 9 ] LT [ 9 0 ] RT [ 1 2 0 ]",
        "FD 9 9 BK 1 0 LT 9 9 9 RT 1 M 2 9 9 9 Q 8 1 0 Q 1 9 W 9 9 S 5 9 9 S [ 3 ] T 1 2 T 4 1 "
        "Q [ 5 3 ] Q [ 1 1 ] RPT 9 9 [ ] P 9 9",
        "RPT 2 [ RPT 3 [ RPT 4 [ RPT 5 [ RPT 6 [ FD 1 ] ] ] ] ] POS(2,3) PENUP P 3",
        "P 3 [ RPT 2 [ P 4 ] LT 9 0 ] P 4 [ RPT 3 [ RPT 2 [ BK 2 ] S [ 1 ] ] ] "
        "P 99 [ T 1 2 RPT 4 [ RPT 4 [ RPT 4 [ RPT 4 [ RPT 4 [ W 1 ] ] ] ] ] ] P 3 P 99",
        "P 12 [ FD 1 ] P 13 [ ] RPT 3 [ P 12 ]",
    };
    for (const char* keys : programs) {
        SCOPED_TRACE(keys);
        Keyed keyed(keys);
        ASSERT_EQ(CheckGoList(&keyed.editor), 0);
        const ZarnikMemoryImage image = Encode(keyed.editor);
        Parsed parsed(image);
        EXPECT_TRUE(parsed.whole && HoldsSoundProgram(image));
        ExpectSameLists(keyed.editor, parsed.editor);
    }
}

TEST(CheckingImages, OnlyARobotsMemoryWithASoundProgramIsTaken) {
    EXPECT_TRUE(HoldsSoundProgram(Fresh()));
    // Not the wire form: a cell without its high bits, pointers crossed or
    // outside the cells, nothing but zeros.
    const int spoilt[][4] = {{100, 0x03, 100, 0x03}, {195, 120, 196, 100}, {196, 200, 196, 200}};
    for (const auto& cells : spoilt) {
        ZarnikMemoryImage image = Fresh();
        image[cells[0]] = std::uint8_t(cells[1]);
        image[cells[2]] = std::uint8_t(cells[3]);
        EXPECT_FALSE(IsZarnikMemoryImage(image) || HoldsSoundProgram(image)) << cells[0];
    }
    EXPECT_FALSE(IsZarnikMemoryImage(ZarnikMemoryImage{}) ||
                 HoldsSoundProgram(ZarnikMemoryImage{}));
    ZarnikMemoryImage image;

    // The wire form around nonsense: a jump back with no Repeat, a Repeat
    // never closed, an instruction running past its area's end, procedure
    // ends filling the GO area, calls that do not fit it.
    const std::vector<std::vector<int>> nonsense = {
        {11, 0, 4},
        {4, 0, 2, 0, 0, 0, 0, 1},
        {0, 0, 1, 2},
        std::vector<int>(187, 12),
        std::vector<int>(187, 5),
    };
    for (const auto& cells : nonsense) {
        image = Fresh();
        for (std::size_t i = 0; i < cells.size(); ++i)
            image[194 - i] = static_cast<std::uint8_t>(0xF0 | cells[i]);
        image[196] = static_cast<std::uint8_t>(194 - cells.size());
        EXPECT_EQ(std::tuple(IsZarnikMemoryImage(image), HoldsSoundProgram(image)),
                  std::tuple(true, false))
            << cells.size();
    }

    // A procedure header cut off by the top of the PROC area's cells.
    std::string keys = "P 5 [";
    for (int i = 0; i < 57; ++i)
        keys += " FD 1";
    image = Encode(Keyed(keys + " ]").editor);
    ASSERT_EQ(image[195], 188);
    EXPECT_TRUE(HoldsSoundProgram(image));
    image[189] = 0xF6;
    image[195] = 195;
    EXPECT_FALSE(HoldsSoundProgram(image));
}

} // namespace
} // namespace zf
