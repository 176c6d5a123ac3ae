#include "link/serial_port.h"
#include "link/zarnik_link.h"

#include "emulator.h"
#include "program/key_sequence.h"
#include "program/unnumbered_texts.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <future>
#include <sstream>
#include <streambuf>
#include <thread>

#include <csignal>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace zf {
namespace {

using Clock = std::chrono::steady_clock;

// Short enough that a silent robot costs a fraction of a second.
constexpr LinkTimeouts kShortTimeouts{50, 200, 400, 150, 250, 150};

// The far end of a fresh pseudo-terminal; its name is the near end's.
int OpenFarEnd() {
    const int far = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (far >= 0 && (::grantpt(far) != 0 || ::unlockpt(far) != 0)) {
        ::close(far);
        return -1;
    }
    return far;
}

class LinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        link.trace = &trace;
        link.timeouts = kShortTimeouts;
        ASSERT_TRUE(robot.Open());
        robot.Start();
        link.SelectPort(2);
        link.SetDevice(2, robot.DevicePath());
    }
    void TearDown() override { robot.Stop(); }

    void Key(std::string_view keys) {
        std::string error;
        ASSERT_TRUE(KeySequence(editor, keys, &error)) << error;
        ui.clear();
    }
    ZarnikMemoryImage Encoded() {
        ZarnikMemoryImage image;
        EXPECT_TRUE(EncodeGoProgram(image, editor.Head(GO_LIST), editor.Head(PROC_LIST)));
        return image;
    }
    void RobotHolds(std::string_view keys) {
        test::Recorder other;
        NameTables sourceTables;
        GoEditor source(other, sourceTables);
        ASSERT_TRUE(KeySequence(source, keys));
        ZarnikMemoryImage image;
        ASSERT_TRUE(EncodeGoProgram(image, source.Head(GO_LIST), source.Head(PROC_LIST)));
        robot.SetMemory(image);
        expected = FormatLists(source);
    }
    // The lists as the robot's program would show them after a Get.
    std::string Listing() {
        std::string text = FormatLists(editor);
        text.replace(text.find("Floor Zarnik.gop"), 16, "My Go Program.gop");
        return text;
    }

    std::ostringstream trace;
    LinkSettings link;
    ZarnikEmulator robot;
    test::Recorder ui;
    NameTables tables;
    GoEditor editor{ui, tables};
    std::string expected;
};

TEST_F(LinkTest, GetRebuildsTheRobotsProgramSkippingAnEchoedCommandByte) {
    RobotHolds("RPT 2 [ RPT 3 [ LT 9 0 ] FD 1 ] M 2 1 0 0 P 4 [ S [ 2 ] W 5 ] P 4");
    // A definition being keyed goes with the rest: keying returns to the GO list.
    Key("P 5 [ FD 1");
    editor.modified = 0;
    EXPECT_TRUE(ReadZarnikProgramToZarnikMemBuffer(editor, link));
    EXPECT_EQ(Listing(), expected);
    // Bodies stand indented as they did when keyed.
    std::vector<int> indents;
    for (const GoInstruction* in = editor.Head(GO_LIST); in; in = in->next)
        indents.push_back(in->indent);
    EXPECT_EQ(indents, (std::vector<int>{0, 0, 3, 6, 5, 3, 2, 0, 0}));
    EXPECT_EQ(std::tuple(editor.Head(PROC_LIST)->next->indent, editor.modified, editor.cursor,
                         editor.procedureBeingDefined),
              std::tuple(3, 1u, editor.Last(GO_LIST), 0));
    EXPECT_EQ(ui.messages, (std::vector<test::ShownMessage>{
                               {kUnnumbered, unnumbered::kProgramCopiedFromZarnik, true}}));

    // An echoed command byte is skipped; when it took the place of the last
    // byte, which never comes, nothing is taken.
    RobotHolds("FD 1 BK 2 LT 3");
    robot.SetOptions({.echo = true});
    EXPECT_TRUE(ReadZarnikProgramToZarnikMemBuffer(editor, link));
    EXPECT_EQ(Listing(), expected);
    robot.SetOptions({.echo = true, .answerBytes = kZarnikImageSize - 1});
    Key("FD 5");
    const std::string before = FormatLists(editor);
    // Run elsewhere, as the desktop runs it, the warning is held and shown as one.
    EXPECT_FALSE(ReadZarnikProgramToZarnikMemBuffer(editor, link, [&](const LinkWork& work) {
        HeldWarnings held;
        const int result = work(held);
        held.ShowTo(ui);
        return result;
    }));
    EXPECT_EQ(std::tuple(ui.messages.back(), FormatLists(editor)),
              std::tuple(test::ShownMessage{kUnnumbered, unnumbered::kGotZeroChars}, before));
}

// Memory of zeros is no robot's; a robot's memory may still hold a program
// no robot could have been given. Get takes neither; Send overwrites the
// robot's, as only a sound program can mend it, but tells a peer answering
// garbage nothing.
TEST_F(LinkTest, GetRefusesMemoryThatIsNoSoundProgramAndSendMendsTheRobots) {
    Key("RPT 4 [ FD 2 RT 9 0 ] P 3 P 3 [ Q 2 1 4 T 4 2 ]");
    const std::string before = FormatLists(editor);
    ZarnikMemoryImage zeros{};
    ZarnikMemoryImage stray;
    InitialiseZarnikMemBuffer(stray);
    stray[194] = 0xF0 | 11;
    stray[196] = 191;
    const std::pair<ZarnikMemoryImage, const char*> answers[] = {
        {zeros, unnumbered::kRobotAnswerGarbled}, {stray, unnumbered::kRobotProgramDamaged}};
    for (const auto& [memory, message] : answers) {
        ui.clear();
        robot.SetMemory(memory);
        EXPECT_FALSE(ReadZarnikProgramToZarnikMemBuffer(editor, link));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(std::tuple(ui.lastWarning(), FormatLists(editor)), std::tuple(message, before));
    }

    ui.clear();
    EXPECT_TRUE(SendGoProgram(editor, link));
    ASSERT_TRUE(robot.WaitForStores(1, 2000));
    EXPECT_EQ(robot.Memory(), Encoded());
    // Good news comes without the warning's icon.
    EXPECT_EQ(ui.messages,
              (std::vector<test::ShownMessage>{
                  {TextId::ProgramCopiedToZarnik, Text(TextId::ProgramCopiedToZarnik), true}}));

    ui.clear();
    robot.SetMemory(zeros);
    EXPECT_FALSE(SendGoProgram(editor, link));
    EXPECT_EQ(std::tuple(ui.lastWarning(), robot.StoreCount()),
              std::tuple(unnumbered::kRobotAnswerGarbled, 1));
}

TEST_F(LinkTest, AShortOrMissingAnswerIsNotResponding) {
    Key("FD 5");
    const std::string before = FormatLists(editor);
    for (int bytes : {100, 0}) {
        SCOPED_TRACE(bytes);
        ui.clear();
        robot.SetOptions({.answerBytes = bytes});
        const auto start = Clock::now();
        EXPECT_FALSE(ReadZarnikProgramToZarnikMemBuffer(editor, link));
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
        ASSERT_EQ(ui.messages.size(), 1u);
        // The teacher is told where the robot was looked for.
        EXPECT_EQ(ui.messages[0],
                  (test::ShownMessage{TextId::ZarnikNotResponding,
                                      Text(TextId::ZarnikNotResponding) +
                                          "\n\nPort tried: COM 2 (" + robot.DevicePath() + ")"}));
        EXPECT_EQ(FormatLists(editor), before);
    }
    EXPECT_NE(trace.str().find("Comm: WaitRxEvent(), WAIT_TIMEOUT\n"), std::string::npos);
    // Only a wait of no time or of all time is worth a line of its own.
    EXPECT_EQ(trace.str().find("timeout is"), std::string::npos);

    // A silent robot gets nothing sent.
    robot.SetOptions({.silent = true});
    EXPECT_FALSE(SendGoProgram(editor, link));
    EXPECT_EQ(ui.lastWarningId(), TextId::ZarnikNotResponding);
    robot.SetOptions({});
    EXPECT_FALSE(robot.WaitForStores(1, 100));
}

TEST_F(LinkTest, APortThatCannotBeOpenedOrSetUpIsReported) {
    Key("FD 1");
    // /dev/null opens but is no terminal: the program must live on.
    const std::pair<const char*, const char*> ports[] = {
        {"/nonexistent/zarnik", "Comm: Can't open port /nonexistent/zarnik. Error 2\n"},
        {"/dev/null", "Comm: Can't get COMMPROP. Error 25\n"}};
    for (const auto& [device, traced] : ports) {
        ui.clear();
        trace.str("");
        link.SetDevice(2, device);
        EXPECT_FALSE(SendGoProgram(editor, link));
        EXPECT_EQ(ui.messages, (std::vector<test::ShownMessage>{
                                   {TextId::CannotOpenComPort, Text(TextId::CannotOpenComPort)}}));
        EXPECT_EQ(trace.str(), traced);
    }

    // A port another program holds is not shared.
    link.SetDevice(2, robot.DevicePath());
    int holder = ::open(robot.DevicePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    ui.clear();
    EXPECT_FALSE(ReadZarnikProgramToZarnikMemBuffer(editor, link));
    EXPECT_EQ(ui.lastWarningId(), TextId::CannotOpenComPort);
    ::close(holder);
}

TEST_F(LinkTest, EmptyProceduresGoBeforeSending) {
    ui.answers = {Answer::Edit};
    Key("P 3 [ FD 1 ] P 5 [ ] P 3 [ BK 2");
    ASSERT_EQ(editor.procedureBeingDefined, 3);
    GoInstruction* keyed = editor.cursor;
    EXPECT_TRUE(SendGoProgram(editor, link));
    EXPECT_EQ(std::tuple(ui.messages.front().id, editor.FindProcedure(PROC_LIST, 5),
                         editor.procedureBeingDefined, editor.cursor),
              std::tuple(TextId::EmptyProceduresForSend, nullptr, 3, keyed));
    ASSERT_TRUE(robot.WaitForStores(1, 2000));
    EXPECT_EQ(robot.Memory(), Encoded());

    // The definition being keyed goes too when it is empty itself.
    NameTables secondTables;
    GoEditor second(ui, secondTables);
    ui.answers = {Answer::Edit};
    ASSERT_TRUE(KeySequence(second, "P 1 [ ] P 7 [ ] P 1 ["));
    ASSERT_EQ(second.procedureBeingDefined, 1);
    ASSERT_EQ(second.cursor, second.FindProcedure(PROC_LIST, 1));
    EXPECT_TRUE(SendGoProgram(second, link));
    EXPECT_EQ(std::tuple(second.Head(PROC_LIST), second.procedureBeingDefined,
                         second.ListOf(second.cursor)),
              std::tuple(nullptr, 0, GO_LIST));
}

TEST_F(LinkTest, ChecksStopASendBeforeThePortOpens) {
    for (const auto& [keys, refusal] :
         {std::pair{"FD", TextId::GoIncompleteInstruction},
          std::pair{"CE P 3 [ Q 2", TextId::ProcIncompleteInstruction}}) {
        Key(keys);
        EXPECT_FALSE(SendGoProgram(editor, link));
        EXPECT_EQ(ui.lastWarningId(), refusal);
    }

    // A loaded program can need more cells than the robot has.
    NameTables loadedTables;
    GoEditor loaded(ui, loadedTables);
    GoInstruction forward(op::Forward);
    forward.digits[0] = 1;
    forward.complete = 1;
    for (int i = 0; i < 63; ++i)
        loaded.InsertCopy(forward, GO_LIST);
    EXPECT_FALSE(SendGoProgram(loaded, link));
    loaded.DestroyProgramList(GO_LIST);
    EXPECT_EQ(std::tuple(ui.lastWarningId(), trace.str(), robot.StoreCount()),
              std::tuple(TextId::ZarnikMemoryFull, "", 0));
}

TEST(SerialPort, PortNumbersSelectTheirDigit) {
    LinkSettings link;
    for (int n : {0, 5, -1, 1}) {
        link.SelectPort(n);
        EXPECT_EQ(link.Port(), 1) << n;
    }
    for (int n : {2, 3, 4}) {
        link.SelectPort(n);
        EXPECT_EQ(link.Port(), n);
        EXPECT_EQ(link.PortName(), std::string("\\\\.\\COM") + char('0' + n));
    }
    link.SelectPort(3);
    const std::string path = link.DevicePath();
    EXPECT_TRUE(path == "/dev/ttyUSB2" || path == "/dev/ttyS2") << path;
    EXPECT_EQ(path == "/dev/ttyUSB2", std::filesystem::exists("/dev/ttyUSB2"));
    link.ReadDevices(IniFile::Parse("[com port]\r\ncom=1\r\ndevice3 = /dev/zarnik\r\n"));
    EXPECT_EQ(link.DevicePath(), "/dev/zarnik");
    link.ReadDevices(IniFile::Parse(""));
    EXPECT_EQ(link.DevicePath(), path);
    for (int n : {1, 4}) {
        link.SetDevice(n, "/dev/zarnik" + std::to_string(n));
        link.SelectPort(n);
        EXPECT_EQ(link.DevicePath(), "/dev/zarnik" + std::to_string(n));
    }
}

// A bare pseudo-terminal as the far end, for the port layer alone.
class PortTest : public ::testing::Test {
  protected:
    void SetUp() override {
        LinkSettings link;
        link.trace = &trace;
        link.timeouts = kShortTimeouts;
        far = OpenFarEnd();
        ASSERT_GE(far, 0);
        std::uint32_t error = 0;
        port = OpenComm(link, error, ::ptsname(far));
        ASSERT_TRUE(port.valid()) << error;
    }
    void TearDown() override {
        CloseComm(port);
        if (far >= 0)
            ::close(far);
    }
    std::ostringstream trace;
    int far = -1;
    CommPort port;
};

TEST_F(PortTest, BytesTravelBothWaysUntouched) {
    const std::uint8_t out[] = {0x19, 0x0A, 0x0D, 0x11, 0x13, 0x00, 0xF0};
    EXPECT_EQ(TxComm(port, out, sizeof out, 500), static_cast<int>(sizeof out));
    std::uint8_t seen[sizeof out] = {};
    ASSERT_EQ(::read(far, seen, sizeof seen), static_cast<ssize_t>(sizeof seen));
    EXPECT_EQ(std::memcmp(seen, out, sizeof out), 0);

    ASSERT_EQ(::write(far, out, sizeof out), static_cast<ssize_t>(sizeof out));
    EXPECT_EQ(WaitRxEvent(port, 500), static_cast<int>(sizeof out));
    std::uint8_t in[sizeof out] = {};
    EXPECT_EQ(WaitRxData(port, in, sizeof in, 500), static_cast<int>(sizeof in));
    EXPECT_EQ(std::memcmp(in, out, sizeof out), 0);

    // A block larger than the line holds goes out whole while it is read.
    const std::vector<std::uint8_t> block(1 << 16, 0x5A);
    std::size_t received = 0;
    std::thread reader([&] {
        std::uint8_t chunk[4096];
        for (ssize_t n; received < block.size() && (n = ::read(far, chunk, sizeof chunk)) > 0;)
            received += static_cast<std::size_t>(n);
    });
    EXPECT_EQ(TxComm(port, block.data(), static_cast<int>(block.size()), 5000),
              static_cast<int>(block.size()));
    reader.join();
    EXPECT_EQ(received, block.size());

    // A line that takes nothing more times out, and says so.
    // (The terminal moves bytes on behind the writer: full is when no room
    // comes back.)
    pollfd room{port.handle, POLLOUT, 0};
    do {
        for (std::size_t chunk : {4096, 1})
            while (::write(port.handle, block.data(), chunk) > 0) {
            }
    } while (::poll(&room, 1, 50) > 0);
    trace.str("");
    EXPECT_EQ(TxComm(port, out, 1, 100), 0);
    EXPECT_EQ(trace.str(), "Comm: TxComm() timed out (100 ms) (0 bytes)\n");
    ::fcntl(far, F_SETFL, O_NONBLOCK);
    while (::read(far, seen, sizeof seen) > 0) {
    }
}

TEST_F(PortTest, AQuietLineEndsAReadShort) {
    const std::uint8_t five[] = {1, 2, 3, 4, 5};
    ASSERT_EQ(::write(far, five, 5), 5);
    std::uint8_t in[10];
    const auto start = Clock::now();
    EXPECT_EQ(WaitRxData(port, in, 10, 2000), 5);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1000));

    // Nothing at all is a time-out, not a quiet line; so are bytes when no
    // time is left for the rest. An interrupted call left in errno is none.
    trace.str("");
    errno = EINTR;
    EXPECT_EQ(WaitRxData(port, in, 10, 150), 0);
    ASSERT_EQ(::write(far, five, 5), 5);
    EXPECT_EQ(WaitRxData(port, in, 10, 0), 0);
    EXPECT_EQ(trace.str(), "WaitForSingleObject timeout\nComm: WaitRxData() timeout is 0 !\n"
                           "WaitForSingleObject timeout\n");
}

TEST_F(PortTest, AHangUpIsNoReceivedCharacter) {
    ::close(far);
    far = -1;
    EXPECT_EQ(WaitRxEvent(port, 200), 0);
    EXPECT_NE(trace.str().find("Comm: WaitRxEvent signaled on non-EV_RXCHAR\n"), std::string::npos);
    // Nor does a read wait on it, whatever an earlier call left in errno.
    errno = EAGAIN;
    std::uint8_t in[4];
    EXPECT_EQ(WaitRxData(port, in, sizeof in, 200), 0);
    EXPECT_NE(trace.str().find("WaitForSingleObject error\n"), std::string::npos);
}

// Tells the test when the first trace line is written.
class FirstWrite : public std::streambuf {
  public:
    std::promise<void> written;

  protected:
    int overflow(int c) override {
        if (!done_.exchange(true))
            written.set_value();
        return c;
    }

  private:
    std::atomic<bool> done_{false};
};

TEST_F(PortTest, AWaitDoesNotNestOnItsPortOnly) {
    FirstWrite firstWrite;
    std::ostream traced(&firstWrite);
    port.trace = &traced;
    std::future<void> waiting = firstWrite.written.get_future();
    std::thread first([&] { EXPECT_EQ(WaitRxEvent(port, 5000), 1); });
    waiting.wait();
    // Refused at once, and a refused wait does not free the port.
    const auto start = Clock::now();
    EXPECT_EQ(WaitRxEvent(port, 800), 0);
    EXPECT_EQ(WaitRxEvent(port, 800), 0);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(400));
    const std::uint8_t byte = 0x1A;
    // Another port is not held up by the wait on this one.
    const int otherFar = OpenFarEnd();
    ASSERT_GE(otherFar, 0);
    LinkSettings quiet;
    quiet.trace = nullptr;
    std::uint32_t error = 0;
    CommPort other = OpenComm(quiet, error, ::ptsname(otherFar));
    ASSERT_TRUE(other.valid()) << error;
    ASSERT_EQ(::write(otherFar, &byte, 1), 1);
    EXPECT_EQ(WaitRxEvent(other, 800), 1);
    CloseComm(other);
    ::close(otherFar);
    ASSERT_EQ(::write(far, &byte, 1), 1);
    first.join();
}

// A terminal's own settings come back when the port closes, and when the
// process is ended by a signal in the middle of a transfer.
TEST(SerialPort, ATerminalGetsItsOwnSettingsBack) {
    const int far = OpenFarEnd();
    ASSERT_GE(far, 0);
    const std::string device = ::ptsname(far);
    // Held open so that its settings outlive the port.
    const int held = ::open(device.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(held, 0);
    termios own{};
    ASSERT_EQ(::tcgetattr(held, &own), 0);
    own.c_lflag |= ICANON | ECHO | ISIG;
    ::cfsetispeed(&own, B9600);
    ::cfsetospeed(&own, B9600);
    ASSERT_EQ(::tcsetattr(held, TCSANOW, &own), 0);
    auto settingsNow = [&] {
        termios now{};
        EXPECT_EQ(::tcgetattr(held, &now), 0);
        return now;
    };
    auto same = [&](const termios& t, speed_t speed = B9600) {
        return t.c_lflag == own.c_lflag && t.c_iflag == own.c_iflag && t.c_oflag == own.c_oflag &&
               ::cfgetospeed(&t) == speed;
    };

    LinkSettings quiet;
    quiet.trace = nullptr;
    std::uint32_t error = 0;
    CommPort port = OpenComm(quiet, error, device);
    ASSERT_TRUE(port.valid()) << error;
    const termios raw = settingsNow();
    EXPECT_FALSE(same(raw));
    EXPECT_EQ(::cfgetospeed(&raw), B1200);
    CloseComm(port);
    EXPECT_TRUE(same(settingsNow()));

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::uint32_t childError = 0;
        RestoreCommSettingsOnExit();
        // Ports closed before give their places back to the one cut off.
        for (int i = 0; i < 8; ++i) {
            CommPort closed = OpenComm(quiet, childError, device);
            CloseComm(closed);
        }
        ::cfsetospeed(&own, B4800);
        ::tcsetattr(held, TCSANOW, &own);
        if (!OpenComm(quiet, childError, device).valid())
            ::_exit(3);
        ::raise(SIGTERM);
        ::_exit(4);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_TRUE(same(settingsNow(), B4800));
    ::close(held);
    ::close(far);
}

} // namespace
} // namespace zf
