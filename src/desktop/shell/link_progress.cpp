#include "desktop/shell/link_progress.h"

#include "desktop/frame/translated_texts.h"

#include <QEventLoop>
#include <QProgressDialog>

#include <thread>

namespace zf::ui {

int LinkTransfers::Run(QWidget* owner, UserInterface& ui, const QString& doing,
                       const LinkWork& work) {
    QProgressDialog box(doing, QString(), 0, 0, owner);
    box.setWindowTitle(TranslatedText(TextId::ProductName));
    box.setWindowModality(Qt::ApplicationModal);
    box.setCancelButton(nullptr);
    box.setMinimumDuration(0);
    box.setAutoClose(false);
    box.setAutoReset(false);
    // Closing the box would not stop the port's wait.
    box.setWindowFlag(Qt::WindowCloseButtonHint, false);

    HeldWarnings held;
    int result = 0;
    QEventLoop loop;
    std::thread worker([&] {
        result = work(held);
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    box.show();
    ++running_;
    loop.exec();
    worker.join();
    --running_;
    box.hide();
    held.ShowTo(ui);
    return result;
}

LinkRunner LinkTransfers::Progress(QWidget* owner, UserInterface& ui, const QString& doing) {
    return [this, owner, &ui, doing](const LinkWork& work) { return Run(owner, ui, doing, work); };
}

} // namespace zf::ui
