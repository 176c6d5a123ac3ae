#include "desktop/workarea/status_line.h"

#include "desktop/frame/text_scale.h"
#include "files/project.h"
#include "program/editor.h"
#include "program/string_table.h"
#include "render/display_text.h"
#include "render/listing_lines.h"
#include "simulation/zarnik_state.h"

#include <QPainter>

#include <cctype>
#include <cmath>

namespace zf::ui {

std::string StatusName(const std::string& fileName) {
    // A loaded program's header holds its whole path: the box shows the name.
    const std::size_t slash = fileName.find_last_of("/\\");
    const std::string base = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
    std::string name = base.substr(0, base.find('.'));
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

StatusLine::StatusLine(const NameTables& tables, const Project& project, const ZarnikState& robot,
                       const GoEditor& editor, QWidget* parent)
    : QWidget(parent), tables_(tables), project_(project), robot_(robot), editor_(editor) {
    setWindowTitle("Status Line");
    setObjectName("ZFGraphicsStatusLine");
    setAutoFillBackground(true);
}

void StatusLine::Clear() {
    instruction_.reset();
    call_.reset();
    calls_ = 0;
    name_.clear();
    update();
}

void StatusLine::ShowInstruction(const GoInstruction* in) {
    if (!in) {
        Clear();
        return;
    }
    instruction_ = in->Copy();
    if (calls_ == 0)
        call_.reset();
    if (in->opcode == op::Procedure) {
        if (calls_ == 0)
            call_ = in->Copy();
        ++calls_;
    } else if (in->opcode == op::ProcedureEnd && calls_ > 0) {
        if (--calls_ == 0)
            call_.reset();
    }
    if (in->opcode == op::GoProgramHeader)
        name_ = StatusName(tables_.names.Get(in->nameId));
    update();
}

std::string StatusLine::RobotText(bool brief) const {
    return RobotMemoryText(robot_.units, kMemoryUnits - editor_.memoryUnitsLeft, kMemoryUnits,
                           brief);
}

void StatusLine::PaintRobotText(QPainter& p, const QRect& box) {
    if (box.width() < 24)
        return;
    const QString whole = QString::fromStdString(RobotText(false));
    // The whole text where it fits, else the brief one, in smaller letters
    // before it is cut.
    QFont font("Arial");
    font.setPixelSize(std::max(1, height() - 6));
    p.setPen(palette().color(QPalette::ButtonText));
    for (const QString& text : {whole, QString::fromStdString(RobotText(true))}) {
        for (int size = font.pixelSize(); size >= 12; --size) {
            font.setPixelSize(size);
            if (QFontMetrics(font).horizontalAdvance(text) <= box.width()) {
                p.setFont(font);
                p.drawText(box, Qt::AlignVCenter | Qt::AlignLeft, text);
                return;
            }
        }
    }
    p.setFont(font);
    p.drawText(box, Qt::AlignVCenter | Qt::AlignLeft,
               QFontMetrics(font).elidedText(QString::fromStdString(RobotText(true)),
                                             Qt::ElideRight, box.width()));
}

void StatusLine::PaintBox(QPainter& p, int x, int w) {
    const QPalette& pal = palette();
    const QRect r(x, 2, w, height() - 4);
    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(r.topRight(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(r.topRight() + QPoint(1, 0), r.bottomRight() + QPoint(1, 1));
    p.drawLine(r.bottomLeft() + QPoint(0, 1), r.bottomRight() + QPoint(1, 1));
}

void StatusLine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Button));
    if (!instruction_ && !call_) {
        // No run to show: the whole line tells the units and the memory.
        PaintBox(p, 2, std::max(0, width() - 4));
        PaintRobotText(p, QRect(6, 2, std::max(0, width() - 12), height() - 4));
        return;
    }
    // The boxes widen with the desktop's text; during a run the robot's box
    // takes what is left after the run's three.
    const double k = TextScale();
    auto at = [k](int x) { return static_cast<int>(std::lround(x * k)); };
    const int robotWidth = width() - at(478);
    for (auto [x, w] :
         {std::pair{2, at(208)}, {at(212), at(58)}, {at(272), at(202)}, {at(476), robotWidth}})
        PaintBox(p, x, std::max(0, w));
    QFont font("Arial");
    font.setPixelSize(std::max(1, height() - 6));
    p.setFont(font);
    p.setPen(pal.color(QPalette::ButtonText));
    if (instruction_)
        p.drawText(QRect(6, 2, at(204), height() - 4), Qt::AlignVCenter | Qt::AlignLeft,
                   DisplayName(name_));
    const int s = std::max(5, height() - 4);
    ListingStyle style{tables_};
    style.iconSize = s;
    style.background = pal.color(QPalette::Button);
    style.text = pal.color(QPalette::ButtonText);
    style.folder = project_.folder;
    p.setClipRect(at(212), 0, at(58), height());
    if (call_)
        DrawInstructionLine(p, *call_, at(212) + 2, 2, style);
    p.setClipRect(at(272), 0, at(202), height());
    if (instruction_)
        DrawInstructionLine(p, *instruction_, at(272) + 2, 2, style);
    p.setClipping(false);
    PaintRobotText(p, QRect(at(476) + 4, 2, std::max(0, robotWidth - 8), height() - 4));
}

} // namespace zf::ui
