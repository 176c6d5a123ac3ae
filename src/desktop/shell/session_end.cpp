#include "desktop/shell/session_end.h"

#include <QEvent>
#include <QGuiApplication>
#include <QSessionManager>

namespace zf::ui {

SessionEnd::SessionEnd(QObject* parent, SaveQuestions& questions)
    : QObject(parent), questions_(questions) {
    // The manager must be answered before the signal returns.
    connect(
        qApp, &QGuiApplication::commitDataRequest, this,
        [this](QSessionManager& manager) {
            if (!CommitData(manager.allowsInteraction()))
                manager.cancel();
            manager.release();
        },
        Qt::DirectConnection);
}

bool SessionEnd::CommitData(bool mayInteract) {
    if (!mayInteract)
        return true;
    if (!questions_.AskSaveQuestions())
        return false;
    answered_ = true;
    qApp->installEventFilter(this);
    return true;
}

bool SessionEnd::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
        // Working on: the logout did not happen, and what changes from here
        // on must be asked about again.
        answered_ = false;
        qApp->removeEventFilter(this);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zf::ui
