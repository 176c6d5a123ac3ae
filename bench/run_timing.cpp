// How well an animated run in the window keeps its schedule: one 10-step
// Forward at Fast speed, timed draw by draw on the real clock, with the
// process's CPU time over the run.
#include "desktop/listing/go_container.h"
#include "desktop/shell/main_window.h"
#include "desktop/shell/raz_azi.h"
#include "desktop/workarea/graphics_drawing.h"
#include "desktop/workarea/graphics_main.h"
#include "program/key_sequence.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Any box would wait for a click: its message is printed instead.
struct Printed : zf::ui::DialogStandIn {
    bool Warning(zf::TextId id, const std::string& text) override {
        std::printf("%s\n", zf::FormatShownMessage(id, text).c_str());
        return true;
    }
    std::optional<zf::Answer> Ask(zf::TextId id, const std::string& text, zf::Buttons) override {
        std::printf("%s\n", zf::FormatShownMessage(id, text).c_str());
        return zf::Answer::No;
    }
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zf::ui::MainWindow window("/nonexistent/zfield.ini");
    window.resize(1280, 800);
    window.show();
    zf::ui::Document& doc = window.document();
    Printed printed;
    doc.ui.SetStandIn(&printed);
    // 24 steps each way, so that ten steps up from the centre stay inside.
    doc.state.floorWidth = doc.state.floorHeight = 24 * zf::kStepMm;
    window.StartupLoad("");
    window.SetSpeed(2);
    zf::KeySequence(*doc.editor, "FD 1 0");
    QApplication::processEvents();

    zf::ui::GraphicsDrawing* drawing = window.drawing();
    std::vector<double> lateness;
    QObject::connect(
        drawing, &zf::ui::GraphicsDrawing::stepTimed,
        [&](std::int64_t due, std::int64_t now) { lateness.push_back(double(now - due)); });
    QElapsedTimer wall;
    const double cpu0 = CpuSeconds();
    wall.start();
    QMetaObject::invokeMethod(drawing, &zf::ui::GraphicsDrawing::Run, Qt::QueuedConnection);
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!drawing->ProgramActive() && wall.elapsed() > 100)
            app.quit();
    });
    poll.start();
    QApplication::exec();
    const double seconds = double(wall.elapsed()) / 1000.0;
    const double cpu = CpuSeconds() - cpu0;

    if (lateness.empty()) {
        std::printf("no timed steps\n");
        return 1;
    }
    const double mean =
        std::accumulate(lateness.begin(), lateness.end(), 0.0) / double(lateness.size());
    const double worst = *std::max_element(lateness.begin(), lateness.end());
    std::printf("steps timed:     %zu\n", lateness.size());
    std::printf("run time:        %.3f s (moveDelay %d ms)\n", seconds, int(doc.state.moveDelay));
    std::printf("mean lateness:   %.3f ms\n", mean);
    std::printf("worst lateness:  %.3f ms\n", worst);
    std::printf("cpu:             %.1f %% of one core\n", 100.0 * cpu / seconds);
    return 0;
}
