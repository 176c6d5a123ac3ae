#include "commands.h"
#include "conventions.h"
#include "language.h"
#include "picture_output.h"

#include "files/bitmap.h"
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
#include <vector>

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

// Lists are drawn in strips of this height, so that only the finished
// picture is ever held whole.
constexpr int kStripHeight = 2048;

// A list as its window shows it, the whole list at once under a caption.
QImage ListWindow(const zf::GoInstruction* head, int lines, const char* title,
                  const zf::ListingStyle& style) {
    const int lineHeight = style.iconSize + zf::kListLineGap;
    const int height = std::max(1, lines) * lineHeight + 1;
    const int linesPerStrip = kStripHeight / lineHeight;
    std::vector<QImage> strips;
    int width = kMinimumPanelWidth;
    for (int first = 0; first < std::max(1, lines); first += linesPerStrip) {
        const int stripHeight = std::min(linesPerStrip * lineHeight, height - first * lineHeight);
        QImage strip(4000, stripHeight, QImage::Format_RGB32);
        strip.fill(style.background);
        {
            QPainter p(&strip);
            zf::DrawListing(p, head, first, stripHeight, style);
        }
        const int used = UsedWidth(strip, style.background.rgb()) + 10;
        width = std::max(width, used);
        strips.push_back(strip.copy(0, 0, std::min(used, strip.width()), stripHeight));
    }
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
    p.fillRect(1, kCaptionHeight + 1, width, height, style.background);
    int y = kCaptionHeight + 1;
    for (const QImage& strip : strips) {
        p.drawImage(1, y, strip);
        y += strip.height();
    }
    return window;
}

int ListingLines(const zf::GoInstruction* head) {
    long long lines = 0;
    for (const zf::GoInstruction* in = head; in; in = in->next)
        lines += in->lineCount;
    return static_cast<int>(std::min<long long>(lines, 1 << 30));
}

bool ParseIconSize(const std::string& text, int& size) {
    long long n = 0;
    if (!ParseWholeNumber(text, 5, 50, n))
        return false;
    size = static_cast<int>(n);
    return true;
}

} // namespace

int ListingCommand(const Args& args) {
    std::string file;
    bool haveFile = false;
    std::string out;
    zf::NameTables tables;
    zf::ListingStyle style{tables};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o" && i + 1 < args.size()) {
            if (!NonEmptyFileName("listing", "-o", args[++i]))
                return kExitUsage;
            out = UserPath(args[i]);
        } else if (a == "--icon-size" && i + 1 < args.size()) {
            if (!ParseIconSize(args[++i], style.iconSize))
                return Fail(kExitUsage, "listing",
                            QT_TRANSLATE_NOOP("zfield", "--icon-size takes 5 to 50"));
        } else if (!a.starts_with("-") && !haveFile) {
            if (!NonEmptyFileName("listing", "FILE.gop", a))
                return kExitUsage;
            file = UserPath(a);
            haveFile = true;
        } else {
            return Fail(kExitUsage, "listing",
                        QT_TRANSLATE_NOOP("zfield", "unexpected argument '%s'"), {a});
        }
    }
    if (file.empty() || out.empty())
        return Fail(kExitUsage, "listing",
                    QT_TRANSLATE_NOOP("zfield", "FILE.gop and -o OUT.png are needed"));
    zf::PrintingUi ui(stderr);
    zf::GoEditor editor(ui, tables);
    if (!zf::OpenGoProgram(editor, file, true))
        return kExitFailed;
    // A listing is one picture: one taller than pictures may be is refused
    // before anything is drawn.
    const int lineHeight = style.iconSize + zf::kListLineGap;
    const int lines =
        std::max(ListingLines(editor.Head(zf::GO_LIST)), ListingLines(editor.Head(zf::PROC_LIST)));
    const int maxLines = (zf::kMaxBitmapSide - kCaptionHeight - 30) / lineHeight;
    if (lines > maxLines)
        return Fail(kExitFailed, "listing",
                    QT_TRANSLATE_NOOP("zfield",
                                      "a list of %d lines is too long for one picture (%d lines "
                                      "at --icon-size %d); try a smaller --icon-size"),
                    {static_cast<long long>(lines), static_cast<long long>(maxLines),
                     static_cast<long long>(style.iconSize)});
    EnsureGuiApplication();
    // A Go Program sits in its project folder: thumbnails come from there.
    style.folder = zf::FolderPart(file);

    const QImage go = ListWindow(editor.Head(zf::GO_LIST), ListingLines(editor.Head(zf::GO_LIST)),
                                 "Go List", style);
    const QImage proc = ListWindow(editor.Head(zf::PROC_LIST),
                                   ListingLines(editor.Head(zf::PROC_LIST)), "Procedure", style);
    const int width = go.width() + proc.width() + 30;
    const int height = std::max(go.height(), proc.height()) + 20;
    if (!zf::PictureSizeAllowed(width, height))
        return Fail(kExitFailed, "listing",
                    QT_TRANSLATE_NOOP("zfield",
                                      "the listing would be %dx%d pixels, more than a picture may "
                                      "hold (%d); try a smaller --icon-size"),
                    {static_cast<long long>(width), static_cast<long long>(height),
                     static_cast<long long>(zf::kMaxPicturePixels)});
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(QColor(192, 192, 192));
    {
        QPainter p(&picture);
        p.drawImage(10, 10, go);
        p.drawImage(go.width() + 20, 10, proc);
    }
    return WritePngFile("listing", picture, out);
}

} // namespace zfield
