#include "desktop/shell/handed_files.h"

#include "desktop/shell/link_progress.h"

#include <QApplication>

#include <utility>

namespace zf::ui {

namespace {

// How often a waiting file looks whether the window is free.
constexpr int kRetryMs = 200;

} // namespace

bool WindowBusy(const LinkTransfers& transfers) {
    return transfers.running() || QApplication::activeModalWidget() != nullptr;
}

HandedFiles::HandedFiles(QObject* parent, const LinkTransfers& transfers)
    : QObject(parent), transfers_(transfers) {
    retry_.setInterval(kRetryMs);
    connect(&retry_, &QTimer::timeout, this, &HandedFiles::TryOpen);
}

void HandedFiles::Hand(const std::string& file) {
    pending_ = file;
    TryOpen();
}

void HandedFiles::TryOpen() {
    if (!pending_)
        return;
    if (WindowBusy(transfers_)) {
        retry_.start();
        return;
    }
    retry_.stop();
    // Taken first: the open may ask questions, and a file handed over
    // meanwhile waits for them.
    const std::string file = *std::exchange(pending_, std::nullopt);
    emit openRequested(file);
}

} // namespace zf::ui
