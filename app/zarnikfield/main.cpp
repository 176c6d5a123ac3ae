#include "desktop/frame/main_window.h"
#include "files/project_folder.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QScreen>
#include <QStandardPaths>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zarnikfield");

    // One instance per user session: a second start ends at once.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QLockFile instance(
        QDir(runtime.isEmpty() ? QDir::tempPath() : runtime).filePath("zarnikfield.lock"));
    instance.setStaleLockTime(0);
    if (!instance.tryLock(0))
        return -1;

    zf::SetProgramFolder(QCoreApplication::applicationDirPath().toStdString());
    zf::ui::MainWindow window;
    std::string argument;
    if (argc > 1) {
        argument = argv[1];
        if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"')
            argument = argument.substr(1, argument.size() - 2);
    }
    window.StartupLoad(argument);
    // Without a window manager a maximised window keeps its size: start
    // with the whole screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return QApplication::exec();
}
