#include "desktop/help/external_programs.h"

#include <QDesktopServices>
#include <QProcess>

namespace zf::ui {

bool ExternalPrograms::Start(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

void ExternalPrograms::OpenUrl(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

} // namespace zf::ui
