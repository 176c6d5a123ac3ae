#include "desktop/frame/tone_player.h"
#include "desktop/frame/translated_texts.h"
#include "desktop/shell/desktop_language.h"
#include "desktop/shell/main_window.h"
#include "desktop/shell/single_instance.h"
#include "files/options_file.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <string>
#include <utility>

namespace {

// Runs its work once the window's first paint is done, for what that paint
// does not need.
class AfterFirstPaint : public QObject {
  public:
    AfterFirstPaint(QWidget* window, std::function<void()> work) : work_(std::move(work)) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && work_) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, std::exchange(work_, {}));
        }
        return false;
    }

  private:
    std::function<void()> work_;
};

// Says why the program does not start, where a terminal and where the
// desktop would show it.
void CannotStart(const std::string& why) {
    std::fprintf(stderr, "zarnikfield: %s\n", why.c_str());
    QMessageBox box(QMessageBox::Warning, zf::ui::TranslatedText(zf::TextId::ProductName),
                    QFile::decodeName(why.c_str()), QMessageBox::Ok);
    box.exec();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zarnikfield");
    QGuiApplication::setDesktopFileName("org.zarnikfield.Zarnikfield");
    zf::ui::StartInRememberedLanguage(zf::OptionsFilePath(zf::Project()));

    std::string argument;
    if (argc > 1) {
        argument = argv[1];
        if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"')
            argument = argument.substr(1, argument.size() - 2);
    }

    // One instance per user session: a second start hands its file to the
    // running window and ends.
    zf::ui::SingleInstance instance;
    switch (instance.Claim(argument)) {
    case zf::ui::SingleInstance::Start::HandedOver:
        return 0;
    case zf::ui::SingleInstance::Start::Failed:
        CannotStart(instance.failure());
        return -1;
    case zf::ui::SingleInstance::Start::First:
        break;
    }

    zf::ui::MainWindow window;
    // Finding the audio device can wait for a sound server, and the icon
    // theme's pictures are only needed by the desktop's task list.
    AfterFirstPaint deferred(&window, [&window] {
        QApplication::setWindowIcon(QIcon::fromTheme("org.zarnikfield.Zarnikfield"));
        window.document().ui.tones->Prepare();
    });
    QObject::connect(
        &instance, &zf::ui::SingleInstance::handedOver, &window,
        [&window](const QByteArray& file) { window.OpenHandedFile(file.toStdString()); });
    window.StartupLoad(argument);
    // Without a window manager a maximised window keeps its size: start
    // with the whole screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    // The menu's shortcuts (F1, F5) need an active window; a window manager
    // activates a new window, and without one nothing else would.
    window.activateWindow();
    return QApplication::exec();
}
