#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QString>

namespace zf::ui {

// The numbered requests the windows hand each other. Each travels as a Qt
// event whose type is its number: sent where a request is handled at once,
// posted where it waits for what is queued.
namespace msg {
enum : int {
    Key = 1282,
    SetShape = 1281,
    EndRun = 1284,
    EditText = 1285,
    SetFloorSize = 1286,
    ShowHideRulers = 1287,
    SetPosition = 1288,
    SetDirection = 1289,
    LibraryShapes = 1290,
    LibraryPens = 1291,
    LibraryStamps = 1293,
    CreateText = 1294,
    LoadBackground = 1296,
    ClearWorkingArea = 1297,
    ClearAllObjects = 1298,
    ClearOneObject = 1299,
    Run = 1300,
    Continue = 1301,
    Stop = 1302,
    Step = 1303,
    FlipStamp = 1304,
    Reset = 1305,
    FlipZarnik = 1306,
    ToolPageStamps = 1307,
    ToolPageControl = 1308,
    ToolPageBackground = 1309,
    ToolPageZarnik = 1310,
    ToolPageMain = 1311,
    ShapeDropped = 1312,
    StampDropped = 1313,
    LibraryReset = 1320,
    PlaceTextKey = 1325,
    EditTextKey = 1326,
    LibraryDragPlacement = 1328,
    LibraryClickPlacement = 1329,
    RebuildWorkingArea = 1376,
    HeadingKey = 1392,
    PositionKey = 1393,
    PenUpKey = 1394,
    FlipZarnikKey = 1395,
    FlipStampKey = 1396,
    LibraryShapesClick = 1424,
    LibraryPensClick = 1425,
    LibraryStampsClick = 1426,
    ListingSizeChanged = 1440,
    CopyWorkingArea = 1456,
    SaveWorkingArea = 1457,
    Repaint = 1458,
    PenDropped = 1473,
    OpenGoProgramByName = 1488,
    DefaultSplit = 1489,
    DefaultGoLayout = 1490,
    LibraryActivated = 1491,
    DefaultRobot = 1493,
};
} // namespace msg

// One request: its number and the two parameters it carries, and a file
// name where a request names one.
class AppMessage : public QEvent {
  public:
    AppMessage(int number, long long p1 = 0, long long p2 = 0, QString fileName = {})
        : QEvent(static_cast<QEvent::Type>(number)), first(p1), second(p2),
          name(std::move(fileName)) {}

    int number() const { return static_cast<int>(type()); }

    long long first;
    long long second;
    QString name;
};

inline bool IsAppMessage(const QEvent* e) {
    return e->type() >= static_cast<QEvent::Type>(1280) &&
           e->type() <= static_cast<QEvent::Type>(1505);
}

inline void SendAppMessage(QObject* to, int number, long long first = 0, long long second = 0,
                           const QString& name = {}) {
    if (!to)
        return;
    AppMessage m(number, first, second, name);
    QCoreApplication::sendEvent(to, &m);
}

inline void PostAppMessage(QObject* to, int number, long long first = 0, long long second = 0,
                           const QString& name = {}) {
    if (to)
        QCoreApplication::postEvent(to, new AppMessage(number, first, second, name));
}

} // namespace zf::ui
