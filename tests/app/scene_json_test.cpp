#include "scene_json.h"

#include <gtest/gtest.h>

#include "files/bitmap.h"
#include "files/file_io.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace zf::web {
namespace {

// Every kind of op survives as JSON the page can parse, texts whatever
// bytes they hold, and keyed pictures say so in their source.
TEST(SceneJson, EveryOpParsesWithItsFields) {
    Scene scene;
    scene.width = 40;
    scene.height = 30;
    scene.Fill(0, 0, 40, 30, 0xFFFFFF);
    scene.Line(1, 2, 30.5, 4, 0xFF0000, 3, ScenePenEnds::Round);
    SceneOp rect;
    rect.kind = SceneOpKind::Rect;
    rect.w = rect.h = 10;
    rect.style = SceneLineStyle::Dot;
    rect.fill = 0x123456;
    scene.ops.push_back(rect);
    SceneOp polygon;
    polygon.kind = SceneOpKind::Polygon;
    polygon.points = {0, 0, 5, 0, 2.5, 4};
    scene.ops.push_back(polygon);
    SceneOp ellipse;
    ellipse.kind = SceneOpKind::Ellipse;
    ellipse.fill = 0x00FFFF;
    scene.ops.push_back(ellipse);
    const std::string text = "Say \"hi\" \\ " + Latin1ToUtf8("caf\xE9") + "\t\x01";
    scene.Text(3, 4, 15, text, SceneFont{}, 0);
    scene.Image("file:/a/b.bmp", 1, 2, 3, 4, true, true);
    scene.Image("art:192", 0, 0, 8, 8, false, false);
    scene.ops.back().multiply = true;
    SceneOp robot;
    robot.kind = SceneOpKind::Robot;
    robot.w = 30;
    scene.ops.push_back(robot);

    QJsonParseError error;
    const QJsonObject json =
        QJsonDocument::fromJson(QByteArray::fromStdString(SceneJson(scene)), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << SceneJson(scene);
    EXPECT_EQ(json["width"].toInt(), 40);
    const QJsonArray ops = json["ops"].toArray();
    QStringList kinds;
    for (const auto& op : ops)
        kinds << op.toObject()["op"].toString();
    EXPECT_EQ(kinds.join(','), "fill,line,rect,polygon,ellipse,text,image,image,robot");
    EXPECT_EQ(ops[1].toObject()["x2"].toDouble(), 30.5);
    EXPECT_EQ(ops[1].toObject()["colour"].toString(), "#ff0000");
    EXPECT_EQ(ops[1].toObject()["ends"].toString(), "round");
    EXPECT_EQ(ops[2].toObject()["style"].toString(), "dot");
    EXPECT_EQ(ops[2].toObject()["ground"].toString(), "#123456");
    EXPECT_EQ(ops[3].toObject()["points"].toArray().at(4).toDouble(), 2.5);
    EXPECT_TRUE(ops[3].toObject()["fill"].isNull());
    EXPECT_EQ(ops[4].toObject()["fill"].toString(), "#00ffff");
    EXPECT_EQ(ops[5].toObject()["text"].toString(), QString::fromUtf8(text));
    EXPECT_EQ(ops[5].toObject()["font"].toObject()["family"].toString(), "Arial");
    EXPECT_EQ(ops[6].toObject()["src"].toString(), "keyed:/a/b.bmp");
    EXPECT_TRUE(ops[6].toObject()["flipX"].toBool());
    EXPECT_EQ(ops[7].toObject()["blend"].toString(), "multiply");
    EXPECT_EQ(ops[8].toObject()["side"].toInt(), 30);
}

// The page's pixels: RGBA in that order, stretched, mirrored, and clear
// where the top-left pixel's colour is, for keyed sources only.
TEST(SceneJson, PicturesComeAsRgbaMirroredAndKeyed) {
    const std::uint32_t kMagenta = 0xFF00FF, kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00;
    const std::vector<std::uint32_t> rgb = {kMagenta, kRed, kBlue, kMagenta, kMagenta, kGreen};
    QTemporaryDir dir;
    const std::string path = dir.filePath("p.bmp").toStdString();
    ASSERT_TRUE(WriteFileAtomically(path, EncodeBitmap8(3, 2, ReduceToAppPalette(rgb))));
    auto pixel = [](const std::vector<std::uint8_t>& bytes, int x, int y) {
        const std::size_t at = (static_cast<std::size_t>(y) * 6 + static_cast<std::size_t>(x)) * 4;
        return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 |
               std::uint32_t{bytes[at + 2]} << 8 | bytes[at + 3];
    };
    const std::vector<std::uint8_t> keyed = PictureRgba("keyed:" + path, 6, 2, true, false);
    ASSERT_EQ(keyed.size(), 6u * 2 * 4);
    EXPECT_EQ(std::tuple(pixel(keyed, 0, 0), pixel(keyed, 1, 0), pixel(keyed, 2, 0),
                         pixel(keyed, 5, 0), pixel(keyed, 0, 1)),
              std::tuple(0u, kBlue << 8 | 0xFF, kRed << 8 | 0xFF, 0u, kGreen << 8 | 0xFF));
    EXPECT_EQ(pixel(PictureRgba("file:" + path, 6, 2, true, false), 0, 0), kMagenta << 8 | 0xFF);
    EXPECT_TRUE(PictureRgba("file:" + path + "x", 6, 2, false, false).empty());
}

} // namespace
} // namespace zf::web
