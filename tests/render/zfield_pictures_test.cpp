#include "render/render_support.h"

#include <gtest/gtest.h>

#include <string>

namespace zf {
namespace {

using namespace zf::test;

int CountColour(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += Rgb(image, x, y) == colour;
    return n;
}

TEST(ZfieldPictures, ARunIsDrawnWithTheRobotWhereItStopped) {
    ProjectDir dir;
    const std::string out = dir.Path("run.png");
    ASSERT_EQ(
        Zfield("run --keys \"PEN(redwide.bmp) FD 2\" --instant -o " + out + " --size 400x300"), 0);
    const QImage picture(QString::fromStdString(out));
    // 10 x 10 steps fitted into 400 x 300: 300 pixels square, zoom 100.
    ASSERT_EQ(picture.size(), QSize(300, 300));
    for (int x = 149; x <= 151; ++x)
        EXPECT_EQ(Rgb(picture, x, 130), kRed) << x;
    EXPECT_EQ(Rgb(picture, 153, 130), kWhite);
    // The robot covers its square around (150, 90) and not the start.
    EXPECT_NE(Rgb(picture, 150, 90), kWhite);
    EXPECT_NE(Rgb(picture, 150, 90), kRed);
    EXPECT_EQ(Rgb(picture, 150, 160), kWhite);

    EXPECT_NE(Zfield("run --keys \"FD 1\" -o " + out + " --size 10"), 0);
}

TEST(ZfieldPictures, AListingShowsBothLists) {
    ProjectDir dir;
    const std::string program = dir.Path("p.gop");
    const std::string out = dir.Path("list.png");
    ASSERT_EQ(Zfield("keys \"RPT 4 [ FD 1 ] P 3 [ W 2 ]\" -o " + program), 0);
    ASSERT_EQ(Zfield("listing " + program + " -o " + out + " --icon-size 20"), 0);
    const QImage picture(QString::fromStdString(out));
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(CountColour(picture, kCyan), 4 * 100);
    EXPECT_GT(CountColour(picture, kYellow), 3 * 100);
    EXPECT_NE(Zfield("listing " + program + " -o " + out + " --icon-size 55"), 0);
}

} // namespace
} // namespace zf
