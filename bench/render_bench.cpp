// Rendering costs: a full working area, one robot move, one listing line.

#include "files/bitmap.h"
#include "program/string_table.h"
#include "render/listing_lines.h"
#include "render/working_area.h"
#include "render/zarnik_sprite.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>

#include <unistd.h>

namespace {

// 10 x 10 steps fitted into 1000 x 1000 pixels, over the town background,
// with a full trail, 50 stamps and 10 texts. The trail is a robot's walk of
// moves of one to four steps, changing pens now and then; with `chords` it is
// 2000 random lines right across the area instead, the worst a trail can be.
struct Scene {
    explicit Scene(bool chords = false) {
        state.zoom = zf::FitZoom(state, 1000, 1000);
        objects.CreateGraphicObject("town.bmp", zf::objectkind::Background, 1500, 1500, 0, 0, 0, 0);
        std::mt19937 random(7);
        std::uniform_int_distribution<int> mm(150, 2850);
        std::uniform_int_distribution<int> steps(1, 4);
        std::uniform_int_distribution<int> heading(0, 359);
        int x = 1500, y = 1500;
        for (int i = 0; i < zf::PenTrail::kMaxPoints; ++i) {
            if (chords) {
                trail.SetTrailStyle(static_cast<std::int16_t>(i % 9 - 1));
                trail.AppendTrailPoint(mm(random), mm(random));
                continue;
            }
            if (i % 50 == 0)
                trail.SetTrailStyle(static_cast<std::int16_t>(i / 50 % 9 - 1));
            const double h = heading(random) * 3.14159265359 / 180;
            x = std::clamp(x + static_cast<int>(std::sin(h) * steps(random) * 300), 150, 2850);
            y = std::clamp(y - static_cast<int>(std::cos(h) * steps(random) * 300), 150, 2850);
            trail.AppendTrailPoint(x, y);
        }
        const char* stamps[] = {"tree.bmp", "house.bmp", "star.bmp", "flower.bmp", "sun.bmp"};
        for (int i = 0; i < 50; ++i)
            objects.CreateGraphicObject(stamps[i % 5], zf::objectkind::Stamp, mm(random),
                                        mm(random), 0, 0, i % 2, 0);
        for (int i = 0; i < 10; ++i) {
            zf::TextObjectRecord record = zf::DefaultTextObject(tables);
            record.textId = tables.texts.Add("Text number " + std::to_string(i));
            const auto bytes = record.ToBytes();
            objects.CreateGraphicObject(
                "", zf::objectkind::Text, mm(random), mm(random),
                static_cast<std::int32_t>(tables.textObjects.Add(bytes.data())), 1 + i % 10, 0, 0);
        }
    }
    zf::ZarnikState state;
    zf::PenTrail trail;
    zf::NameTables tables;
    zf::GraphicObjectList objects{tables};
};

void BM_RenderWorkingArea(benchmark::State& s) {
    Scene scene(s.range(0) != 0);
    zf::WorkingAreaScene view{scene.state, scene.trail, scene.objects, ZF_EXAMPLE_FOLDER};
    const QSize size = zf::WorkingAreaPixels(scene.state, scene.state.zoom);
    QImage image(size, QImage::Format_RGB32);
    for (auto _ : s) {
        QPainter painter(&image);
        zf::RenderWorkingArea(painter, image.rect(), scene.state.zoom, view);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RenderWorkingArea)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A 148 KB picture: 8 bits of 384 x 384, or 1 bit of 1088 x 1088.
std::vector<std::uint8_t> LargePicture(bool oneBit) {
    if (!oneBit) {
        std::vector<std::uint8_t> pixels(384 * 384);
        for (std::size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = static_cast<std::uint8_t>(i / 384 % 16 == 0 ? 0 : 13 + i % 7);
        return zf::EncodeBitmap8(384, 384, pixels);
    }
    const int side = 1088, stride = side / 8;
    std::vector<std::uint8_t> file(62 + std::size_t(stride) * side);
    auto put = [&](std::size_t at, std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file[at + std::size_t(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put(2, static_cast<std::uint32_t>(file.size()), 4);
    put(10, 62, 4);
    put(14, 40, 4);
    put(18, side, 4);
    put(22, side, 4);
    put(26, 1, 2);
    put(28, 1, 2);
    put(54, 0x00FF00FF, 4); // magenta key, then black
    for (std::size_t i = 62; i < file.size(); ++i)
        file[i] = static_cast<std::uint8_t>(i % 3 ? 0x0F : 0xF0);
    return file;
}

// A full repaint of 50 stamps that all show one 148 KB picture: the
// picture must be decoded once, not at every paint.
void BM_RenderManyStamps(benchmark::State& s) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("zf-bench-stamps-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "objects");
    const auto file = LargePicture(s.range(0) != 0);
    std::ofstream((folder / "objects" / "big.bmp").string(), std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
    zf::ZarnikState state;
    state.zoom = zf::FitZoom(state, 1000, 1000);
    zf::PenTrail trail;
    zf::NameTables tables;
    zf::GraphicObjectList objects{tables};
    for (int i = 0; i < 50; ++i)
        objects.CreateGraphicObject("big.bmp", zf::objectkind::Stamp, 150 + 55 * i, 150 + 50 * i, 0,
                                    0, i % 2, 0);
    zf::WorkingAreaScene view{state, trail, objects, folder.string() + "/"};
    QImage image(zf::WorkingAreaPixels(state, state.zoom), QImage::Format_RGB32);
    for (auto _ : s) {
        QPainter painter(&image);
        zf::RenderWorkingArea(painter, image.rect(), state.zoom, view);
        benchmark::DoNotOptimize(image.constBits());
    }
    s.counters["file_bytes"] = double(file.size());
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RenderManyStamps)->ArgName("one_bit")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DrawZarnikAt(benchmark::State& s) {
    Scene scene;
    scene.state.shapeId = scene.tables.names.Add("zarndef.bmp");
    zf::WorkingAreaScene view{scene.state, scene.trail, scene.objects, ZF_EXAMPLE_FOLDER};
    QImage screen = zf::RenderWorkingAreaImage(zf::WorkingAreaPixels(scene.state, scene.state.zoom),
                                               scene.state.zoom, view);
    zf::ZarnikSprite sprite;
    sprite.BuildZarnikSprite(scene.state, scene.tables, ZF_EXAMPLE_FOLDER, false, false);
    zf::ZarnikOverlay overlay;
    overlay.Paint(screen, scene.state, sprite, scene.trail);
    int step = 3;
    for (auto _ : s) {
        // Three millimetres is one pixel at this zoom.
        if (scene.state.x > 2700 || scene.state.x < 300)
            step = -step;
        benchmark::DoNotOptimize(overlay.DrawZarnikAt(screen, scene.state, sprite, scene.trail,
                                                      scene.state.x + step, scene.state.y));
    }
}
BENCHMARK(BM_DrawZarnikAt)->Unit(benchmark::kMicrosecond);

// A turn's redraw: the sprite turned by two degrees and drawn where it stands.
void BM_TurnZarnik(benchmark::State& s) {
    Scene scene;
    scene.state.shapeId = scene.tables.names.Add("zarndef.bmp");
    zf::WorkingAreaScene view{scene.state, scene.trail, scene.objects, ZF_EXAMPLE_FOLDER};
    QImage screen = zf::RenderWorkingAreaImage(zf::WorkingAreaPixels(scene.state, scene.state.zoom),
                                               scene.state.zoom, view);
    zf::ZarnikSprite sprite;
    sprite.BuildZarnikSprite(scene.state, scene.tables, ZF_EXAMPLE_FOLDER, false, false);
    zf::ZarnikOverlay overlay;
    overlay.Paint(screen, scene.state, sprite, scene.trail);
    for (auto _ : s) {
        scene.state.heading = (scene.state.heading + 2) % 360;
        sprite.RotateZarnikSprite(scene.state);
        benchmark::DoNotOptimize(overlay.DrawZarnikAt(screen, scene.state, sprite, scene.trail,
                                                      scene.state.x, scene.state.y));
    }
}
BENCHMARK(BM_TurnZarnik)->Unit(benchmark::kMicrosecond);

void BM_KeyPictureLine(benchmark::State& s) {
    zf::GoInstruction forward(zf::op::Forward);
    forward.bracketOpen = forward.bracketClosed = 1;
    forward.digits[0] = 2;
    forward.digits[1] = 5;
    zf::NameTables tables;
    zf::ListingStyle style{tables};
    QImage image(400, 40, QImage::Format_RGB32);
    for (auto _ : s) {
        image.fill(Qt::white);
        QPainter painter(&image);
        benchmark::DoNotOptimize(zf::DrawInstructionLine(painter, forward, 5, 1, style));
    }
}
BENCHMARK(BM_KeyPictureLine)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
