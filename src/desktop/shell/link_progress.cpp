#include "desktop/shell/link_progress.h"

#include <QEventLoop>
#include <QProgressDialog>

#include <thread>

namespace zf::ui {

namespace {

int gTransfers = 0;

} // namespace

bool LinkTransferRunning() {
    return gTransfers > 0;
}

int RunLinkTransfer(QWidget* owner, UserInterface& ui, const QString& doing, const LinkWork& work) {
    QProgressDialog box(doing, QString(), 0, 0, owner);
    box.setWindowTitle("Zarnikfield");
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
    ++gTransfers;
    loop.exec();
    worker.join();
    --gTransfers;
    box.hide();
    held.ShowTo(ui);
    return result;
}

LinkRunner LinkProgress(QWidget* owner, UserInterface& ui, const QString& doing) {
    return [owner, &ui, doing](const LinkWork& work) {
        return RunLinkTransfer(owner, ui, doing, work);
    };
}

} // namespace zf::ui
