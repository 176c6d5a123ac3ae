#include "program/key_sequence.h"

#include "program/string_table.h"
#include "program/texts.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zf {

namespace {

std::string Upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// Splits at spaces, keeping a quoted text (with its spaces) in one token.
bool Tokenise(std::string_view s, std::vector<std::string>& tokens, std::string& error) {
    std::size_t i = 0;
    while (i < s.size()) {
        if (std::isspace(static_cast<unsigned char>(s[i]))) {
            ++i;
            continue;
        }
        std::string token;
        bool quoted = false;
        while (i < s.size() && (quoted || !std::isspace(static_cast<unsigned char>(s[i])))) {
            if (quoted && s[i] == '\\' && i + 1 < s.size()) {
                token += s[i++];
            } else if (s[i] == '"') {
                quoted = !quoted;
            }
            token += s[i++];
        }
        if (quoted) {
            error = "unterminated quote in " + token;
            return false;
        }
        tokens.push_back(token);
    }
    return true;
}

bool ParseNumber(std::string_view text, double& value) {
    std::string s(text);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.pop_back();
    std::size_t start = s.find_first_not_of(' ');
    if (start == std::string::npos)
        return false;
    char* end = nullptr;
    value = std::strtod(s.c_str() + start, &end);
    return end && *end == '\0' && std::isfinite(value);
}

// The argument between the brackets of NAME(...), or false when absent.
bool Argument(std::string_view token, std::string_view name, std::string& inside) {
    if (token.size() < name.size() + 2 || Upper(token.substr(0, name.size())) != name ||
        token[name.size()] != '(' || token.back() != ')')
        return false;
    inside = std::string(token.substr(name.size() + 1, token.size() - name.size() - 2));
    return true;
}

// A position in mm, checked before it is converted: one beyond any working
// area is held just outside the largest, where the working-area check
// refuses it with its own message rather than seeing a wrapped number.
std::int32_t PositionMm(double mm) {
    constexpr double kBeyondAnyFloor = 1 << 30;
    return static_cast<std::int32_t>(std::trunc(std::clamp(mm, -kBeyondAnyFloor, kBeyondAnyFloor)));
}

// A terminal acts on control bytes: C0, DEL, and C1 written as UTF-8.
bool IsControlByte(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The text of a quoted TEXT or NAME argument with its escapes undone, and
// the position after its closing quote; false without one.
bool Unquote(const std::string& inside, std::string& text, std::size_t& after) {
    if (inside.empty() || inside.front() != '"')
        return false;
    text.clear();
    for (std::size_t i = 1; i < inside.size(); ++i) {
        char c = inside[i];
        if (c == '"') {
            after = i + 1;
            return true;
        }
        if (c == '\\' && i + 1 < inside.size()) {
            c = inside[++i];
            if (c == 'n')
                c = '\n';
            else if (c == 'r')
                c = '\r';
            else if (c == 't')
                c = '\t';
            else if (c == 'x' && i + 2 < inside.size() && HexDigit(inside[i + 1]) >= 0 &&
                     HexDigit(inside[i + 2]) >= 0) {
                c = static_cast<char>(HexDigit(inside[i + 1]) * 16 + HexDigit(inside[i + 2]));
                i += 2;
            }
        }
        text += c;
    }
    return false;
}

// A text in quotes with quotes, backslashes and line breaks escaped, so
// that a listing keys back to the same program.
std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return Printable(out + "\"");
}

bool ParseText(NameTables& tables, const std::string& inside, KeyPress& press, std::string& error) {
    std::string text;
    std::size_t close = 0;
    if (!Unquote(inside, text, close)) {
        error = "TEXT needs a quoted text";
        return false;
    }
    TextObjectRecord record = DefaultTextObject(tables);
    record.textId = tables.texts.Add(text);
    record.placement = 1;
    std::string rest = inside.substr(close);
    if (!rest.empty()) {
        double mode = 0;
        if (rest.front() != ',' || !ParseNumber(rest.substr(1), mode) || mode < 0 || mode > 10 ||
            mode != std::trunc(mode)) {
            error = "TEXT mode must be a whole number from 0 to 10";
            return false;
        }
        record.placement = static_cast<std::int32_t>(mode);
    }
    press.argument.text = record;
    return true;
}

bool ParseGraphic(NameTables& tables, const std::string& token, FloorMm floor, KeyPress& press,
                  std::string& error) {
    std::string inside;
    if (Argument(token, "POS", inside)) {
        std::size_t comma = inside.find(',');
        double x = 0, y = 0;
        if (comma == std::string::npos || !ParseNumber(inside.substr(0, comma), x) ||
            !ParseNumber(inside.substr(comma + 1), y)) {
            error = "POS needs two numbers: " + token;
            return false;
        }
        press.key = key::SetPosition;
        press.argument.value1 = PositionMm(x * 300 + floor.width / 2);
        press.argument.value2 = PositionMm(-y * 300 + floor.height / 2);
        return true;
    }
    if (Argument(token, "HEAD", inside)) {
        double h = 0;
        if (!ParseNumber(inside, h)) {
            error = "HEAD needs a number: " + token;
            return false;
        }
        // Any number of whole turns comes back to a heading of 0..359.
        const double degrees = std::fmod(std::trunc(h), 360.0);
        press.key = key::SetHeading;
        press.argument.value1 = static_cast<std::int32_t>(degrees < 0 ? degrees + 360 : degrees);
        return true;
    }
    static const struct {
        const char* name;
        int key;
    } kNamed[] = {{"SHAPE", key::SetShape}, {"STAMP", key::PlaceStamp}, {"PEN", key::PenDown}};
    for (const auto& n : kNamed) {
        if (Argument(token, n.name, inside)) {
            std::string unquoted;
            std::size_t after = 0;
            if (Unquote(inside, unquoted, after) && after == inside.size())
                inside = unquoted;
            if (inside.empty()) {
                error = std::string(n.name) + " needs a file name";
                return false;
            }
            if (!IsPlainFileName(inside)) {
                error = std::string(n.name) +
                        " takes a file name of the project, not a path: " + inside;
                return false;
            }
            press.key = n.key;
            press.argument.name = inside;
            return true;
        }
    }
    if (Argument(token, "TEXT", inside)) {
        press.key = key::PlaceText;
        return ParseText(tables, inside, press, error);
    }
    error = "unknown key: " + token + " (zfield --help lists the key names)";
    return false;
}

} // namespace

bool ParseKeySequence(NameTables& tables, std::string_view sequence, std::vector<KeyPress>& presses,
                      std::string& error, FloorMm floor) {
    static const struct {
        const char* token;
        int key;
    } kKeys[] = {
        {"FD", key::Forward},
        {"BK", key::Back},
        {"LT", key::Left},
        {"RT", key::Right},
        {"RPT", key::Repeat},
        {"P", key::Procedure},
        {"Q", key::Quaver},
        {"W", key::Wait},
        {"M", key::Motor},
        {"S", key::Sense},
        {"T", key::Toggle},
        {"[", key::Bracket},
        {"]", key::Bracket},
        {"CE", key::ClearEntry},
        {"PENUP", key::PenUp},
        {"FLIP", key::FlipZarnik},
        {"FLIPSTAMP", key::FlipStamp},
        // The keys' own names, as a teacher reads them off the robot.
        {"FORWARD", key::Forward},
        {"BACK", key::Back},
        {"LEFT", key::Left},
        {"RIGHT", key::Right},
        {"REPEAT", key::Repeat},
        {"PROCEDURE", key::Procedure},
        {"QUAVER", key::Quaver},
        {"WAIT", key::Wait},
        {"MOTOR", key::Motor},
        {"SENSE", key::Sense},
        {"TOGGLE", key::Toggle},
    };
    std::vector<std::string> tokens;
    if (!Tokenise(sequence, tokens, error))
        return false;
    std::vector<KeyPress> out;
    for (const std::string& token : tokens) {
        const std::string up = Upper(token);
        KeyPress press;
        bool known = false;
        for (const auto& k : kKeys) {
            if (up == k.token) {
                press.key = k.key;
                known = true;
            }
        }
        if (known) {
            out.push_back(press);
        } else if (up == "CM") {
            press.kind = KeyPress::Kind::ConfirmedClear;
            out.push_back(press);
        } else if (up == "GO") {
            press.kind = KeyPress::Kind::Go;
            press.key = key::Go;
            out.push_back(press);
        } else if (up.find_first_not_of("0123456789") == std::string::npos) {
            for (char c : up) {
                KeyPress digit;
                digit.key = key::Digit0 + (c - '0');
                out.push_back(digit);
            }
        } else if (ParseGraphic(tables, token, floor, press, error)) {
            out.push_back(press);
        } else {
            return false;
        }
    }
    presses = std::move(out);
    return true;
}

bool KeySequence(GoEditor& editor, std::string_view sequence, std::string* error, FloorMm floor) {
    std::vector<KeyPress> presses;
    std::string why;
    if (!ParseKeySequence(editor.tables(), sequence, presses, why, floor)) {
        if (error)
            *error = why;
        return false;
    }
    for (const KeyPress& press : presses) {
        switch (press.kind) {
        case KeyPress::Kind::Key:
            ContainerKey(editor, press.key, press.argument);
            break;
        case KeyPress::Kind::ConfirmedClear:
            ConfirmedClearMemory(editor);
            break;
        case KeyPress::Kind::Go:
            editor.ui().RequestRun();
            break;
        }
    }
    return true;
}

namespace {

const char* KeyToken(std::uint8_t opcode) {
    switch (opcode) {
    case op::Forward:
    case op::MoveUnit:
        return "FD";
    case op::Back:
        return "BK";
    case op::Left:
        return "LT";
    case op::Right:
    case op::TurnUnit:
        return "RT";
    case op::Repeat:
        return "RPT";
    case op::Procedure:
    case op::ProcedureDef:
        return "P";
    case op::Quaver:
    case op::QuaverSetting:
        return "Q";
    case op::Wait:
        return "W";
    case op::Motor:
        return "M";
    case op::Sense:
        return "S";
    case op::Toggle:
        return "T";
    default:
        return "?";
    }
}

// A file name as keyed: bare when it reads back as one token.
std::string NameArgument(std::string_view name) {
    if (!name.empty() && name.find_first_of(" \t\n\r\"()\\") == std::string_view::npos &&
        Printable(name) == name)
        return std::string(name);
    return Quoted(name);
}

std::string Steps(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3g", v);
    return buf;
}

} // namespace

std::string ListingLine(const GoInstruction& in, const NameTables& tables, FloorMm floor) {
    switch (in.opcode) {
    case op::RepeatEnd:
    case op::ProcedureEnd:
        return "]";
    case op::SetPosition:
        return "POS(" + Steps((in.value1 - floor.width / 2) / 300.0) + "," +
               Steps((floor.height / 2 - in.value2) / 300.0) + ")";
    case op::SetHeading:
        return "HEAD(" + std::to_string(in.value1) + ")";
    case op::SetShape:
        return "SHAPE(" + NameArgument(tables.names.Get(in.nameId)) + ")";
    case op::PlaceStamp:
        return "STAMP(" + NameArgument(tables.names.Get(in.nameId)) + ")";
    case op::PenDown:
        return "PEN(" + NameArgument(tables.names.Get(in.nameId)) + ")";
    case op::PenUp:
        return "PENUP";
    case op::FlipZarnik:
        return "FLIP";
    case op::FlipStamp:
        return "FLIPSTAMP";
    case op::GoProgramHeader:
        return "NAME(" + Quoted(tables.names.Get(in.nameId)) + ")";
    case op::PlaceText: {
        if (!in.textObject)
            return "TEXT(\"\")";
        return "TEXT(" + Quoted(tables.texts.Get(in.textObject->textId)) + "," +
               std::to_string(in.textObject->placement) + ")";
    }
    default:
        break;
    }
    const bool opensBody = in.opcode == op::Repeat || in.opcode == op::ProcedureDef;
    std::string line = KeyToken(in.opcode);
    if (in.bracketOpen && !opensBody)
        line += " [";
    for (int i = 0; i < in.DigitCount(); ++i) {
        line += ' ';
        line += std::to_string(in.digits[i]);
    }
    if (in.bracketClosed)
        line += " ]";
    if (in.bracketOpen && opensBody)
        line += " [";
    return line;
}

std::string FormatLists(const GoEditor& editor, FloorMm floor) {
    std::string out = "GO:\n";
    for (const GoInstruction* in = editor.Head(GO_LIST); in; in = in->next)
        out += ListingLine(*in, editor.tables(), floor) + "\n";
    out += "PROC:\n";
    for (const GoInstruction* in = editor.Head(PROC_LIST); in; in = in->next)
        out += ListingLine(*in, editor.tables(), floor) + "\n";
    out += "units left: " + std::to_string(editor.memoryUnitsLeft) + "\n";
    return out;
}

std::string FormatShownMessage(TextId id, const std::string& text) {
    std::string out = "! ";
    out += id == kUnnumbered ? "-" : std::to_string(static_cast<int>(id));
    out += ' ';
    // A message of several lines goes on under its first, indented.
    const std::string indent(out.size(), ' ');
    // A message may name a file, and a file's name may hold anything: each
    // line is escaped, the line breaks stay.
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        std::string_view line = std::string_view(text).substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        out += Printable(line);
        if (end == std::string::npos)
            return out;
        out += "\n" + indent;
        start = end + 1;
    }
}

std::string Printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool c1 = c == 0xC2 && i + 1 < text.size() &&
                        static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        if (!IsControlByte(c) && !c1) {
            out += text[i];
            continue;
        }
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
        out += escaped;
        if (c1) {
            std::snprintf(escaped, sizeof escaped, "\\x%02X",
                          static_cast<unsigned char>(text[++i]));
            out += escaped;
        }
    }
    return out;
}

} // namespace zf
