#include "pictures.h"

#include "pictograms.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace artgen {

namespace {

const QColor kKey(255, 0, 255);

QImage Canvas(int w, int h, const QColor& ground) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(ground);
    return image;
}

// A painter for pictures that must keep clean palette colours.
struct Pen {
    explicit Pen(QImage& image) : p(&image) { p.setRenderHint(QPainter::Antialiasing, false); }
    QPainter p;
    void Fill(const QColor& c) {
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(c);
    }
};

QImage Shape(const std::function<void(QPainter&)>& draw) {
    QImage image = Canvas(100, 100, kKey);
    Pen pen(image);
    draw(pen.p);
    return image;
}

QImage Stamp(const std::function<void(Pen&)>& draw) {
    QImage image = Canvas(64, 64, kKey);
    Pen pen(image);
    draw(pen);
    return image;
}

std::vector<Picture> Shapes() {
    std::vector<Picture> out;
    out.push_back({"zarniks", "zarndef.bmp", Shape([](QPainter& p) {
                       DrawZarnikTop(p, QRectF(4, 4, 92, 92), QColor(51, 102, 204));
                   })});
    out.push_back({"zarniks", "zarnred.bmp", Shape([](QPainter& p) {
                       DrawZarnikTop(p, QRectF(4, 4, 92, 92), QColor(204, 51, 51));
                   })});
    out.push_back({"zarniks", "zarnbug.bmp", Shape([](QPainter& p) {
                       p.setPen(QPen(Qt::black, 2));
                       p.setBrush(Qt::black);
                       p.drawEllipse(QRectF(68, 34, 26, 32));
                       for (int i = 0; i < 3; ++i) {
                           p.drawLine(30 + 18 * i, 20, 24 + 18 * i, 6);
                           p.drawLine(30 + 18 * i, 80, 24 + 18 * i, 94);
                       }
                       p.setBrush(QColor(255, 0, 0));
                       p.drawEllipse(QRectF(10, 16, 68, 68));
                       p.drawLine(10, 50, 78, 50);
                       p.setBrush(Qt::black);
                       for (QPointF c : {QPointF(30, 32), QPointF(56, 30), QPointF(30, 68),
                                         QPointF(56, 70), QPointF(44, 50)})
                           p.drawEllipse(c, 6, 6);
                   })});
    out.push_back({"zarniks", "zarncar.bmp", Shape([](QPainter& p) {
                       p.setPen(QPen(Qt::black, 2));
                       p.setBrush(QColor(51, 51, 51));
                       for (QRectF w : {QRectF(16, 14, 20, 10), QRectF(64, 14, 20, 10),
                                        QRectF(16, 76, 20, 10), QRectF(64, 76, 20, 10)})
                           p.drawRect(w);
                       p.setBrush(QColor(255, 204, 0));
                       p.drawRoundedRect(QRectF(6, 22, 88, 56), 16, 16);
                       p.setBrush(QColor(153, 204, 255));
                       p.drawRect(QRectF(56, 30, 14, 40));
                       p.drawRect(QRectF(20, 32, 10, 36));
                   })});
    out.push_back({"zarniks", "zarnboat.bmp", Shape([](QPainter& p) {
                       QPainterPath hull;
                       hull.moveTo(6, 30);
                       hull.lineTo(66, 30);
                       hull.quadTo(96, 40, 96, 50);
                       hull.quadTo(96, 60, 66, 70);
                       hull.lineTo(6, 70);
                       hull.closeSubpath();
                       p.setPen(QPen(Qt::black, 2));
                       p.setBrush(QColor(153, 102, 51));
                       p.drawPath(hull);
                       p.setBrush(Qt::white);
                       p.drawRect(QRectF(24, 38, 30, 24));
                       p.setBrush(QColor(255, 0, 0));
                       p.drawEllipse(QPointF(39, 50), 5, 5);
                   })});
    return out;
}

std::vector<Picture> Stamps() {
    std::vector<Picture> out;
    auto add = [&](const char* name, const std::function<void(Pen&)>& draw) {
        out.push_back({"objects", name, Stamp(draw)});
    };
    add("tree.bmp", [](Pen& s) {
        s.Fill(QColor(153, 102, 51));
        s.p.drawRect(27, 38, 10, 22);
        s.Fill(QColor(0, 153, 0));
        s.p.drawEllipse(QPointF(32, 24), 22, 20);
    });
    add("house.bmp", [](Pen& s) {
        s.Fill(QColor(255, 255, 204));
        s.p.drawRect(12, 28, 40, 30);
        s.Fill(QColor(204, 51, 0));
        QPolygonF roof;
        roof << QPointF(6, 30) << QPointF(32, 6) << QPointF(58, 30);
        s.p.drawPolygon(roof);
        s.Fill(QColor(153, 102, 51));
        s.p.drawRect(27, 42, 10, 16);
        s.Fill(QColor(153, 204, 255));
        s.p.drawRect(16, 34, 8, 8);
        s.p.drawRect(40, 34, 8, 8);
    });
    add("star.bmp", [](Pen& s) { DrawStar(s.p, QPointF(32, 33), 29, QColor(255, 255, 0)); });
    add("flower.bmp", [](Pen& s) {
        s.Fill(QColor(0, 153, 0));
        s.p.drawRect(30, 32, 4, 28);
        s.Fill(QColor(255, 102, 204));
        for (int i = 0; i < 6; ++i) {
            const double a = i * M_PI / 3;
            s.p.drawEllipse(QPointF(32 + 11 * std::cos(a), 22 + 11 * std::sin(a)), 8, 8);
        }
        s.Fill(QColor(255, 255, 0));
        s.p.drawEllipse(QPointF(32, 22), 7, 7);
    });
    add("sun.bmp", [](Pen& s) {
        s.p.setPen(QPen(QColor(255, 153, 0), 3));
        for (int i = 0; i < 12; ++i) {
            const double a = i * M_PI / 6;
            s.p.drawLine(QPointF(32 + 20 * std::cos(a), 32 + 20 * std::sin(a)),
                         QPointF(32 + 29 * std::cos(a), 32 + 29 * std::sin(a)));
        }
        s.Fill(QColor(255, 255, 0));
        s.p.drawEllipse(QPointF(32, 32), 17, 17);
    });
    add("cloud.bmp", [](Pen& s) {
        s.p.setPen(Qt::NoPen);
        s.p.setBrush(QColor(128, 128, 128));
        for (QPointF c : {QPointF(20, 38), QPointF(32, 28), QPointF(45, 36), QPointF(32, 42)})
            s.p.drawEllipse(c, 15, 13);
        s.p.setBrush(Qt::white);
        for (QPointF c : {QPointF(20, 37), QPointF(32, 27), QPointF(45, 35), QPointF(32, 41)})
            s.p.drawEllipse(c, 13, 11);
    });
    add("heart.bmp", [](Pen& s) {
        QPainterPath heart;
        heart.moveTo(32, 58);
        heart.cubicTo(2, 36, 6, 6, 32, 20);
        heart.cubicTo(58, 6, 62, 36, 32, 58);
        s.Fill(QColor(255, 0, 0));
        s.p.drawPath(heart);
    });
    add("fish.bmp", [](Pen& s) {
        s.Fill(QColor(255, 153, 0));
        QPolygonF tail;
        tail << QPointF(4, 16) << QPointF(20, 32) << QPointF(4, 48);
        s.p.drawPolygon(tail);
        s.p.drawEllipse(QRectF(14, 16, 46, 32));
        s.Fill(Qt::black);
        s.p.drawEllipse(QPointF(48, 28), 3, 3);
    });
    add("boat.bmp", [](Pen& s) {
        s.Fill(QColor(153, 102, 51));
        QPolygonF hull;
        hull << QPointF(4, 42) << QPointF(60, 42) << QPointF(50, 56) << QPointF(14, 56);
        s.p.drawPolygon(hull);
        s.p.drawLine(32, 42, 32, 6);
        s.Fill(Qt::white);
        QPolygonF sail;
        sail << QPointF(34, 8) << QPointF(56, 38) << QPointF(34, 38);
        s.p.drawPolygon(sail);
    });
    add("flag.bmp", [](Pen& s) {
        s.Fill(QColor(102, 102, 102));
        s.p.drawRect(12, 6, 4, 54);
        s.Fill(QColor(0, 204, 0));
        QPolygonF flag;
        flag << QPointF(16, 8) << QPointF(56, 18) << QPointF(16, 30);
        s.p.drawPolygon(flag);
    });
    add("ball.bmp", [](Pen& s) {
        s.Fill(QColor(0, 0, 255));
        s.p.drawEllipse(QPointF(32, 32), 26, 26);
        s.p.setPen(QPen(Qt::white, 4));
        s.p.drawLine(8, 32, 56, 32);
        s.p.drawArc(QRectF(18, 6, 28, 52), 90 * 16, 180 * 16);
    });
    add("apple.bmp", [](Pen& s) {
        s.Fill(QColor(153, 102, 51));
        s.p.drawRect(30, 6, 4, 12);
        s.Fill(QColor(0, 204, 0));
        s.p.drawEllipse(QRectF(34, 6, 14, 8));
        s.Fill(QColor(255, 0, 0));
        s.p.drawEllipse(QRectF(10, 16, 44, 42));
    });
    return out;
}

std::vector<Picture> Pens() {
    struct PenArt {
        const char* name;
        QColor colour;
        int width;
    };
    const PenArt pens[] = {
        {"redthin.bmp", QColor(255, 0, 0), 2},  {"yelothin.bmp", QColor(255, 255, 0), 2},
        {"bluethin.bmp", QColor(0, 0, 255), 2}, {"blakthin.bmp", QColor(0, 0, 0), 2},
        {"redwide.bmp", QColor(255, 0, 0), 6},  {"yelowide.bmp", QColor(255, 255, 0), 6},
        {"bluewide.bmp", QColor(0, 0, 255), 6}, {"blakwide.bmp", QColor(0, 0, 0), 6},
    };
    std::vector<Picture> out;
    for (const PenArt& pen : pens) {
        QImage image = Canvas(64, 64, kKey);
        Pen s(image);
        s.p.setPen(QPen(pen.colour, pen.width, Qt::SolidLine, Qt::RoundCap));
        QPainterPath squiggle;
        squiggle.moveTo(4, 56);
        squiggle.cubicTo(14, 36, 22, 62, 34, 44);
        s.p.drawPath(squiggle);
        QPolygonF body;
        body << QPointF(34, 44) << QPointF(38, 34) << QPointF(56, 8) << QPointF(62, 14)
             << QPointF(44, 40);
        s.Fill(pen.colour);
        s.p.drawPolygon(body);
        s.Fill(QColor(255, 204, 153));
        QPolygonF tip;
        tip << QPointF(34, 44) << QPointF(37, 36) << QPointF(42, 40);
        s.p.drawPolygon(tip);
        out.push_back({"pens", pen.name, image});
    }
    return out;
}

QImage GridMat() {
    QImage image = Canvas(600, 600, QColor(255, 255, 204));
    Pen s(image);
    s.p.setPen(QColor(153, 153, 153));
    for (int i = 0; i <= 600; i += 60) {
        s.p.drawLine(i, 0, i, 599);
        s.p.drawLine(0, i, 599, i);
    }
    s.p.setPen(QPen(QColor(255, 102, 0), 2));
    s.p.drawLine(300, 0, 300, 599);
    s.p.drawLine(0, 300, 599, 300);
    return image;
}

QImage Town() {
    QImage image = Canvas(600, 600, QColor(102, 204, 102));
    Pen s(image);
    s.p.setPen(Qt::NoPen);
    s.p.setBrush(QColor(153, 153, 153));
    for (int i = 90; i < 600; i += 180) {
        s.p.drawRect(i - 20, 0, 40, 600);
        s.p.drawRect(0, i - 20, 600, 40);
    }
    s.p.setPen(QPen(Qt::white, 2, Qt::DashLine));
    for (int i = 90; i < 600; i += 180) {
        s.p.drawLine(i, 0, i, 599);
        s.p.drawLine(0, i, 599, i);
    }
    const QColor walls[] = {QColor(255, 204, 153), QColor(204, 204, 255), QColor(255, 255, 153),
                            QColor(255, 153, 153)};
    int k = 0;
    for (int bx = 0; bx < 4; ++bx)
        for (int by = 0; by < 4; ++by, ++k) {
            const int x = bx * 180 - 70 + 10;
            const int y = by * 180 - 70 + 10;
            if ((bx == 2 && by == 1) || x < 0 || y < 0)
                continue;
            s.Fill(walls[k % 4]);
            s.p.drawRect(x + 10, y + 20, 50, 40);
            s.p.drawRect(x + 80, y + 30, 40, 30);
            s.Fill(QColor(204, 51, 0));
            s.p.drawRect(x + 10, y + 10, 50, 10);
            s.p.drawRect(x + 80, y + 20, 40, 10);
        }
    // A park with a pond.
    s.Fill(QColor(51, 153, 255));
    s.p.drawEllipse(QRectF(400, 200, 60, 40));
    s.Fill(QColor(0, 102, 0));
    for (QPointF c : {QPointF(380, 140), QPointF(470, 150), QPointF(385, 250)})
        s.p.drawEllipse(c, 12, 12);
    return image;
}

QImage Island() {
    QImage image = Canvas(600, 600, QColor(51, 153, 255));
    Pen s(image);
    s.p.setPen(QPen(Qt::white, 1));
    for (int y = 20; y < 600; y += 40)
        for (int x = (y / 40) % 2 * 20; x < 600; x += 60)
            s.p.drawArc(QRectF(x, y, 16, 8), 0, 180 * 16);
    QPolygonF coast;
    coast << QPointF(120, 200) << QPointF(220, 90) << QPointF(380, 110) << QPointF(500, 200)
          << QPointF(520, 360) << QPointF(430, 500) << QPointF(260, 520) << QPointF(110, 430)
          << QPointF(80, 300);
    s.Fill(QColor(255, 204, 102));
    s.p.drawPolygon(coast);
    QPolygonF land;
    land << QPointF(160, 210) << QPointF(240, 130) << QPointF(370, 150) << QPointF(460, 220)
         << QPointF(470, 350) << QPointF(400, 460) << QPointF(270, 470) << QPointF(150, 400)
         << QPointF(130, 300);
    s.p.setPen(Qt::NoPen);
    s.p.setBrush(QColor(51, 153, 51));
    s.p.drawPolygon(land);
    s.Fill(QColor(153, 102, 51));
    QPolygonF hill;
    hill << QPointF(260, 300) << QPointF(310, 220) << QPointF(360, 300);
    s.p.drawPolygon(hill);
    for (QPointF c : {QPointF(190, 250), QPointF(420, 400), QPointF(200, 420)}) {
        s.Fill(QColor(153, 102, 51));
        s.p.drawRect(QRectF(c.x() - 3, c.y(), 6, 24));
        s.Fill(QColor(0, 102, 0));
        s.p.drawEllipse(c, 14, 8);
    }
    // The path bends one step above the robot's start and reaches the cross
    // three steps on, 53 degrees right of north (a 3-4-5 triangle).
    s.p.setPen(QPen(QColor(204, 0, 0), 3, Qt::DashLine));
    s.p.drawLine(300, 560, 300, 420);
    s.p.drawLine(300, 420, 444, 312);
    s.p.setPen(QPen(QColor(204, 0, 0), 6));
    s.p.drawLine(434, 302, 454, 322);
    s.p.drawLine(454, 302, 434, 322);
    return image;
}

} // namespace

std::vector<Picture> ExamplePictures() {
    std::vector<Picture> out = Shapes();
    for (auto* group : {Stamps, Pens})
        for (Picture& p : group())
            out.push_back(std::move(p));
    out.push_back({"backgnds", "gridmat.bmp", GridMat()});
    out.push_back({"backgnds", "town.bmp", Town()});
    out.push_back({"backgnds", "island.bmp", Island()});
    return out;
}

} // namespace artgen
