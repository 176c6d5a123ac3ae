// Renders the scalable icons into the fixed sizes of the freedesktop icon
// theme: FOLDER/NxN/apps for the program, FOLDER/NxN/mimetypes for the file
// types (icons named application-...).
//   icon-render FOLDER ICON.svg...

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: icon-render FOLDER ICON.svg...\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const QFileInfo svg(QString::fromLocal8Bit(argv[i]));
        QSvgRenderer renderer(svg.filePath());
        if (!renderer.isValid()) {
            std::fprintf(stderr, "icon-render: cannot read %s\n", argv[i]);
            return 1;
        }
        const QString context = svg.baseName().startsWith("application-") ? "mimetypes" : "apps";
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter);
            painter.end();
            const QString sub = QString("%1x%1/%2").arg(size).arg(context);
            const QString out = folder.filePath(sub + "/" + svg.completeBaseName() + ".png");
            if (!folder.mkpath(sub) || !image.save(out, "PNG")) {
                std::fprintf(stderr, "icon-render: cannot write %s\n", qPrintable(out));
                return 1;
            }
        }
    }
    return 0;
}
