// Send and Get from the menu against the virtual robot on a pseudo-terminal:
// the window's event loop keeps running through the transfer, and the user
// is told exactly what the direct transfer tells.

#include "link/serial_port.h"
#include "link/zarnik_link.h"
#include "program/unnumbered_texts.h"

#include "desktop_fixture.h"
#include "emulator.h"

#include <QProgressDialog>
#include <QTimer>

namespace zf::ui {
namespace {

class LinkCommands : public DesktopTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(robot.Open());
        DesktopTest::SetUp();
        doc().link.trace = nullptr;
        // Get asks before it replaces a changed program; only the warnings
        // are compared with a direct transfer's.
        window->SetComPort(1);
        doc().link.SetDevice(2, robot.DevicePath());
        // The robot answers only after the window's timer has fired a few
        // times: the transfer cannot end unless the event loop runs.
        connect(&timer);
    }
    std::optional<Answer> Ask(TextId, const std::string&, Buttons) override { return Answer::No; }
    void TearDown() override {
        robot.Stop();
        DesktopTest::TearDown();
    }

    void connect(QTimer* t) {
        t->setInterval(5);
        QObject::connect(t, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget()))
                boxText = box->labelText().toStdString();
            if (++ticks == 3)
                robot.Start();
        });
        t->start();
    }

    void Key(GoEditor& editor, const char* keys) { ASSERT_TRUE(KeySequence(editor, keys)); }

    // The same transfers made directly, without the window.
    test::Recorder recorder;
    NameTables directTables;
    GoEditor direct{recorder, directTables};
    ZarnikEmulator robot;
    QTimer timer;
    int ticks = 0;
    std::string boxText;
};

TEST_F(LinkCommands, SendAndGetKeepTheWindowAliveAndTellWhatADirectTransferTells) {
    const char* program = "RPT 4 [ FD 2 RT 9 0 ] P 3 P 3 [ BK 1 ]";
    Key(editor(), program);
    window->Command(command::SendGoProgram);
    EXPECT_GE(ticks, 3);
    EXPECT_NE(boxText.find("Sending"), std::string::npos);
    ASSERT_TRUE(robot.WaitForStores(1, 2000));

    Key(direct, program);
    ZarnikMemoryImage image;
    ASSERT_TRUE(EncodeGoProgram(image, direct.Head(GO_LIST), direct.Head(PROC_LIST)));
    EXPECT_EQ(robot.Memory(), image);
    EXPECT_TRUE(SendGoProgram(direct, doc().link));
    EXPECT_EQ(shown, recorder.messages);
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // Get puts the robot's program in place of what was keyed since; the
    // robot answers again only after the timer has fired a few times.
    robot.Stop();
    ticks = 0;
    Key(editor(), "CM FD 1");
    shown.clear();
    window->Command(command::GetGoProgram);
    EXPECT_GE(ticks, 3);
    EXPECT_NE(boxText.find("Getting"), std::string::npos);
    EXPECT_EQ(shown, (std::vector<test::ShownMessage>{
                         {kUnnumbered, unnumbered::kProgramCopiedFromZarnik, true}}));
    EXPECT_EQ(editor().LineCount(PROC_LIST), direct.LineCount(PROC_LIST));
    EXPECT_EQ(editor().LineCount(GO_LIST), direct.LineCount(GO_LIST));
}

} // namespace
} // namespace zf::ui
