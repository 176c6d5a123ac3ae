#include "commands.h"

#include "files/go_program_file.h"
#include "files/paths.h"
#include "gui_application.h"
#include "program/editor.h"
#include "program/printing_ui.h"
#include "render/listing_lines.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace zfield {

namespace {

constexpr int kCaptionHeight = 22;
constexpr int kMinimumPanelWidth = 200;

// The rightmost column that is not the background, plus one.
int UsedWidth(const QImage& image, QRgb background) {
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != background)
                return x + 1;
    return 0;
}

// A list as its window shows it, the whole list at once under a caption.
QImage ListWindow(const zf::GoInstruction* head, const char* title, const zf::ListingStyle& style) {
    int lines = 0;
    for (const zf::GoInstruction* in = head; in; in = in->next)
        lines += in->lineCount;
    const int height = std::max(1, lines) * (style.iconSize + zf::kListLineGap) + 1;
    QImage content(4000, height, QImage::Format_RGB32);
    content.fill(style.background);
    {
        QPainter p(&content);
        zf::DrawListing(p, head, 0, height, style);
    }
    const int width = std::max(kMinimumPanelWidth, UsedWidth(content, style.background.rgb()) + 10);
    QImage window(width + 2, height + kCaptionHeight + 2, QImage::Format_RGB32);
    window.fill(QColor(128, 128, 128));
    QPainter p(&window);
    p.fillRect(1, 1, width, kCaptionHeight, QColor(0, 0, 128));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(6, 1, width - 6, kCaptionHeight), Qt::AlignVCenter | Qt::AlignLeft,
               QString::fromLatin1(title));
    p.drawImage(1, kCaptionHeight + 1, content, 0, 0, width, height);
    return window;
}

bool ParseIconSize(const std::string& text, int& size) {
    char* end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || *end != '\0' || n < 5 || n > 50)
        return false;
    size = static_cast<int>(n);
    return true;
}

} // namespace

int ListingCommand(const Args& args) {
    std::string file;
    std::string out;
    zf::ListingStyle style;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o" && i + 1 < args.size()) {
            out = args[++i];
        } else if (a == "--icon-size" && i + 1 < args.size()) {
            if (!ParseIconSize(args[++i], style.iconSize)) {
                std::fprintf(stderr, "zfield listing: --icon-size takes 5 to 50\n");
                return 2;
            }
        } else if (!a.starts_with("-") && file.empty()) {
            file = a;
        } else {
            std::fprintf(stderr, "zfield listing: unexpected argument '%s'\n", a.c_str());
            return 2;
        }
    }
    if (file.empty() || out.empty()) {
        std::fprintf(stderr, "zfield listing: FILE.gop and -o OUT.png are needed\n");
        return 2;
    }
    zf::PrintingUi ui;
    zf::GoEditor editor(ui);
    if (!zf::OpenGoProgram(editor, file, true))
        return 1;
    EnsureGuiApplication();
    // A Go Program sits in its project folder: thumbnails come from there.
    style.folder = zf::FolderPart(std::filesystem::absolute(file).string());

    const QImage go = ListWindow(editor.Head(zf::GO_LIST), "Go List", style);
    const QImage proc = ListWindow(editor.Head(zf::PROC_LIST), "Procedure", style);
    QImage picture(go.width() + proc.width() + 30, std::max(go.height(), proc.height()) + 20,
                   QImage::Format_RGB32);
    picture.fill(QColor(192, 192, 192));
    {
        QPainter p(&picture);
        p.drawImage(10, 10, go);
        p.drawImage(go.width() + 20, 10, proc);
    }
    if (!picture.save(QString::fromStdString(out), "PNG")) {
        std::fprintf(stderr, "zfield listing: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}

} // namespace zfield
