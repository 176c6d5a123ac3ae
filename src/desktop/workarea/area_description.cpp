#include "desktop/workarea/area_description.h"

#include "desktop/listing/spoken_lines.h"
#include "simulation/text_placement.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <cmath>

namespace zf::ui {

namespace {

// Whole steps as whole numbers, half steps with one decimal, in the
// language's own way of writing them.
QString Steps(int mm) {
    return QLocale().toString(mm / double(kStepMm), 'g', 4);
}

// A picture by its name, as the library shows it: no folder, no extension.
QString PictureName(const NameTables& tables, const GraphicObject& object) {
    return QFileInfo(QString::fromStdString(tables.names.Get(object.nameId))).completeBaseName();
}

// A place to the nearest tenth of a step: where a pixel of the screen put it.
QString AboutSteps(int mm) {
    return QLocale().toString(std::round(mm * 10.0 / kStepMm) / 10, 'g', 4);
}

QString TextOf(const NameTables& tables, const GraphicObject& object) {
    constexpr int kLongest = 60;
    const auto record = TextRecordOfObject(tables, object);
    if (!record)
        return {};
    return QString::fromStdString(tables.texts.Get(record->textId)).simplified().left(kLongest);
}

} // namespace

QString ObjectDescription(const NameTables& tables, const GraphicObject& object) {
    if (object.kind == objectkind::Text)
        return Say(QT_TRANSLATE_NOOP("Speech", "Text \"%1\", %2 steps from the left and %3 steps "
                                               "from the top."))
            .arg(TextOf(tables, object), AboutSteps(object.x), AboutSteps(object.y));
    return Say(QT_TRANSLATE_NOOP("Speech",
                                 "Stamp %1, %2 steps from the left and %3 steps from the top."))
        .arg(PictureName(tables, object), AboutSteps(object.x), AboutSteps(object.y));
}

QString AreaDescription(const ZarnikState& robot, const GraphicObjectList& objects) {
    QStringList parts;
    parts << Say(QT_TRANSLATE_NOOP("Speech", "The robot is %1 steps from the left and %2 steps "
                                             "from the top, facing %3 degrees."))
                 .arg(Steps(robot.x), Steps(robot.y))
                 .arg(robot.heading);
    parts << (robot.penDown ? Say(QT_TRANSLATE_NOOP("Speech", "Its pen is down."))
                            : Say(QT_TRANSLATE_NOOP("Speech", "Its pen is up.")));
    QStringList stamps, texts;
    for (const auto& object : objects.objects()) {
        if (object->kind == objectkind::Background)
            parts << Say(QT_TRANSLATE_NOOP("Speech", "Background: %1."))
                         .arg(PictureName(objects.tables(), *object));
        else if (object->kind == objectkind::Stamp)
            stamps << PictureName(objects.tables(), *object);
        else if (object->kind == objectkind::Text)
            texts << TextOf(objects.tables(), *object);
    }
    const QString list = Say(QT_TRANSLATE_NOOP("Speech", ", "));
    if (!stamps.isEmpty())
        parts << Say(QT_TRANSLATE_NOOP("Speech", "Stamps: %1.")).arg(stamps.join(list));
    if (!texts.isEmpty())
        parts << Say(QT_TRANSLATE_NOOP("Speech", "Texts: %1.")).arg(texts.join(list));
    return parts.join(QLatin1Char(' '));
}

} // namespace zf::ui
