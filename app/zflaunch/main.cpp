// The activity launcher: the bundled projects as pictures; the chosen one
// opens in Zarnikfield, started from this program's folder.
//   zflaunch [FOLDER]

#include "desktop/help/activity_launcher.h"
#include "desktop/help/external_programs.h"
#include "desktop/shell/desktop_language.h"
#include "files/activities.h"
#include "files/options_file.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zarnikfield Activities");
    zf::ui::StartInRememberedLanguage(zf::OptionsFilePath(zf::Project()));
    const std::string folder = argc > 1 ? QDir(argv[1]).absolutePath().toStdString() + "/"
                                        : zf::FindBundledFolder(zf::Project(), "example");
    zf::ui::ExternalPrograms starter;
    zf::ui::ActivityLauncher launcher(
        folder, QDir(QCoreApplication::applicationDirPath()).filePath("zarnikfield"), starter);
    QObject::connect(&launcher, &zf::ui::ActivityLauncher::startFailed, &launcher,
                     [&launcher](const QString& text) {
                         QMessageBox::warning(&launcher, launcher.windowTitle(), text);
                     });
    launcher.show();
    return QApplication::exec();
}
