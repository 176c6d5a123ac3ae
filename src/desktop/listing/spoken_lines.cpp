#include "desktop/listing/spoken_lines.h"

#include "program/key_entry.h"
#include "render/listing_lines.h"

#include <QCoreApplication>

namespace zf::ui {

QString Say(const char* words) {
    return QCoreApplication::translate("Speech", words);
}

namespace {

// The name of the key an instruction's first picture shows.
QString OpcodeName(std::uint8_t opcode) {
    switch (opcode) {
    case op::MoveUnit:
        return KeyName(key::Forward);
    case op::TurnUnit:
        return KeyName(key::Right);
    case op::QuaverSetting:
        return KeyName(key::Quaver);
    case op::ProcedureDef:
        return KeyName(key::Procedure);
    default:
        return opcode <= op::Toggle ? KeyName(opcode) : QString();
    }
}

QString GraphicName(std::uint8_t opcode) {
    switch (opcode) {
    case op::SetPosition:
        return Say(QT_TRANSLATE_NOOP("Speech", "Robot's position"));
    case op::SetHeading:
        return Say(QT_TRANSLATE_NOOP("Speech", "Robot's heading"));
    case op::SetShape:
        return Say(QT_TRANSLATE_NOOP("Speech", "Robot's picture"));
    case op::PlaceStamp:
        return Say(QT_TRANSLATE_NOOP("Speech", "Stamp"));
    case op::PenDown:
        return Say(QT_TRANSLATE_NOOP("Speech", "Pen down"));
    case op::PenUp:
        return Say(QT_TRANSLATE_NOOP("Speech", "Pen up"));
    case op::FlipZarnik:
        return Say(QT_TRANSLATE_NOOP("Speech", "Robot flipped"));
    case op::GoProgramHeader:
        return Say(QT_TRANSLATE_NOOP("Speech", "Go Program"));
    case op::FlipStamp:
        return Say(QT_TRANSLATE_NOOP("Speech", "Stamp flipped"));
    case op::PlaceText:
        return Say(QT_TRANSLATE_NOOP("Speech", "Text"));
    default:
        return Say(QT_TRANSLATE_NOOP("Speech", "Unknown line"));
    }
}

// Numbers read as numbers where the instruction has one, digit by digit
// where its digits are several settings (a note's pitch and length).
QString Digits(const GoInstruction& in) {
    const bool oneNumber = in.opcode <= op::Right || in.opcode == op::Repeat ||
                           in.opcode == op::Procedure || in.opcode == op::Wait ||
                           in.opcode == op::MoveUnit || in.opcode == op::TurnUnit ||
                           in.opcode == op::ProcedureDef;
    QString out;
    for (std::uint8_t digit : in.digits) {
        if (digit == kNoDigit)
            break;
        if (!out.isEmpty() && !oneNumber)
            out += QLatin1Char(' ');
        out += QString::number(digit);
    }
    return out;
}

} // namespace

QString KeyName(int keyCode) {
    if (keyCode >= key::Digit0 && keyCode <= key::Digit9)
        return QString::number(keyCode - key::Digit0);
    switch (keyCode) {
    case key::Forward:
        return Say(QT_TRANSLATE_NOOP("Speech", "Forward"));
    case key::Back:
        return Say(QT_TRANSLATE_NOOP("Speech", "Back"));
    case key::Left:
        return Say(QT_TRANSLATE_NOOP("Speech", "Turn left"));
    case key::Right:
        return Say(QT_TRANSLATE_NOOP("Speech", "Turn right"));
    case key::Repeat:
        return Say(QT_TRANSLATE_NOOP("Speech", "Repeat"));
    case key::Procedure:
        return Say(QT_TRANSLATE_NOOP("Speech", "Procedure"));
    case key::Quaver:
        return Say(QT_TRANSLATE_NOOP("Speech", "Quaver"));
    case key::Wait:
        return Say(QT_TRANSLATE_NOOP("Speech", "Wait"));
    case key::Motor:
        return Say(QT_TRANSLATE_NOOP("Speech", "Motor"));
    case key::Sense:
        return Say(QT_TRANSLATE_NOOP("Speech", "Sense"));
    case key::Toggle:
        return Say(QT_TRANSLATE_NOOP("Speech", "Toggle"));
    case key::Bracket:
        return Say(QT_TRANSLATE_NOOP("Speech", "Bracket"));
    case key::ClearEntry:
        return Say(QT_TRANSLATE_NOOP("Speech", "Clear entry"));
    case key::ClearMemory:
        return Say(QT_TRANSLATE_NOOP("Speech", "Clear memory"));
    case key::Go:
        return Say(QT_TRANSLATE_NOOP("Speech", "Go"));
    default:
        return {};
    }
}

QString SpokenInstruction(const GoInstruction& in, const NameTables& tables, FloorMm floor) {
    const QString open = Say(QT_TRANSLATE_NOOP("Speech", "open bracket"));
    const QString close = Say(QT_TRANSLATE_NOOP("Speech", "close bracket"));
    if (IsGraphicCommand(in.opcode)) {
        const std::string text = GraphicLineText(in, tables, floor);
        return text.empty() ? GraphicName(in.opcode)
                            : Say(QT_TRANSLATE_NOOP("Speech", "%1: %2"))
                                  .arg(GraphicName(in.opcode), QString::fromStdString(text));
    }
    if (in.opcode == op::RepeatEnd || in.opcode == op::ProcedureEnd)
        return Say(QT_TRANSLATE_NOOP("Speech", "Close bracket"));
    const QString name = OpcodeName(in.opcode);
    QStringList parts;
    QString head = name.isEmpty() ? GraphicName(in.opcode) : name;
    const bool opensAfterDigits = in.opcode == op::Repeat || in.opcode == op::ProcedureDef;
    if (in.bracketOpen && !opensAfterDigits) {
        parts << head << open;
        head.clear();
    }
    const QString digits = Digits(in);
    if (!digits.isEmpty()) {
        if (head.isEmpty())
            parts << digits;
        else
            parts << head + QLatin1Char(' ') + digits;
        head.clear();
    }
    if (!head.isEmpty())
        parts << head;
    if (in.bracketClosed)
        parts << close;
    if (in.bracketOpen && opensAfterDigits)
        parts << open;
    return parts.join(Say(QT_TRANSLATE_NOOP("Speech", ", ")));
}

} // namespace zf::ui
