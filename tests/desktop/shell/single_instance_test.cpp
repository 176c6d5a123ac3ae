#include "desktop/shell/link_progress.h"
#include "desktop/shell/single_instance.h"
#include "program/string_table.h"
#include "program/texts.h"

#include "desktop_fixture.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <future>
#include <thread>

namespace zf::ui {
namespace {

// The real program started beside an instance held by the test, all in a
// runtime folder of the test's own.
class SingleInstanceStart : public DesktopTest {
  protected:
    void SetUp() override {}
    QProcessEnvironment Environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("HOME", runtime.filePath("home"));
        env.insert("XDG_CONFIG_HOME", runtime.filePath("config"));
        env.insert("XDG_DOCUMENTS_DIR", runtime.filePath("documents"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        return env;
    }
    void Start(QProcess& process, const QStringList& arguments) const {
        process.setProcessEnvironment(Environment());
        process.setWorkingDirectory(ZF_SOURCE_EXAMPLES);
        process.start(ZF_DESKTOP_PROGRAM, arguments);
    }
    // The exit status of a later start, or -2 when it does not end. The
    // test's event loop keeps running meanwhile, so its instance answers.
    int LaterStart(const QStringList& arguments) const {
        QProcess process;
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        Start(process, arguments);
        loop.exec();
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
            return -2;
        }
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -3;
    }
    // Whether the window holds the Go Program of `file`.
    bool Holds(std::string_view file) const {
        const GoInstruction* head = editor().Head(GO_LIST);
        return head && head->opcode == op::GoProgramHeader &&
               doc().tables.names.Get(head->nameId) == file;
    }

    QTemporaryDir runtime;
};

TEST_F(SingleInstanceStart, ASecondStartWithAFileOpensItInTheFirstWithThePlainPrompt) {
    SingleInstance first(runtime.path());
    ASSERT_EQ(first.Claim(""), SingleInstance::Start::First);
    MakeWindow();
    window->StartupLoad("");
    QObject::connect(&first, &SingleInstance::handedOver, window.get(),
                     [&](const QByteArray& file) { window->OpenHandedFile(file.toStdString()); });
    KeySequence(editor(), "FD 1");
    editor().modified = 1;

    // A name relative to the later start's own folder.
    EXPECT_EQ(LaterStart({"square.gop"}), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Holds(ZF_SOURCE_EXAMPLES "/square.gop"); }, 10000));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, TextOf(TextId::SaveGoProgramChanges));
}

// A lock left by a crashed start does not block the next; a name handed over
// keeps its bytes, not UTF-8 and with a line break in it.
TEST_F(SingleInstanceStart, ALockLeftByACrashedStartDoesNotBlockAndNamesKeepTheirBytes) {
    QProcess crashed;
    Start(crashed, {});
    const QString socket = runtime.filePath("zarnikfield.socket");
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(socket); }, 30000));
    crashed.kill();
    crashed.waitForFinished();
    ASSERT_TRUE(QFileInfo::exists(runtime.filePath("zarnikfield.lock")));

    SingleInstance next(runtime.path());
    ASSERT_EQ(next.Claim(""), SingleInstance::Start::First);
    QByteArray received = "none";
    QObject::connect(&next, &SingleInstance::handedOver,
                     [&](const QByteArray& file) { received = file; });
    EXPECT_EQ(LaterStart({}), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.isEmpty(); }, 10000));

    received = "none";
    const std::string name = "/tmp/caf\xe9\nnew.gop";
    SingleInstance::Start later = SingleInstance::Start::First;
    std::thread second([&] { later = SingleInstance(runtime.path()).Claim(name); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return received != "none"; }, 10000));
    second.join();
    EXPECT_EQ(later, SingleInstance::Start::HandedOver);
    EXPECT_EQ(received.toStdString(), name);
}

// A file handed over while Send or Get waits for the robot, or while a box
// waits for an answer, must not change the program under them: it is
// opened once they are done.
TEST_F(SingleInstanceStart, AHandedFileWaitsForATransferAndForAModalBox) {
    MakeWindow();
    window->StartupLoad("");
    auto square = [&] { return Holds(ZF_SOURCE_EXAMPLES "/square.gop"); };
    std::promise<void> release;
    std::future<void> released = release.get_future();
    bool openedDuringTransfer = true;
    QTimer::singleShot(0, window.get(), [&] {
        window->OpenHandedFile(ZF_SOURCE_EXAMPLES "/square.gop");
        openedDuringTransfer = square();
        release.set_value();
    });
    window->transfers().Run(window.get(), doc().ui, "Sending", [&](UserInterface&) {
        released.wait();
        return 1;
    });
    EXPECT_FALSE(openedDuringTransfer);
    EXPECT_TRUE(QTest::qWaitFor(square, 10000));

    auto star = [&] { return Holds(ZF_SOURCE_EXAMPLES "/star.gop"); };
    QMessageBox box(QMessageBox::Warning, "Zarnikfield", "Program copied to Zarnik.",
                    QMessageBox::Ok, window.get());
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    window->OpenHandedFile(ZF_SOURCE_EXAMPLES "/star.gop");
    EXPECT_FALSE(star());
    box.close();
    EXPECT_TRUE(QTest::qWaitFor(star, 10000));
}

// A lock file the test writes itself, as a full disk or another program
// could leave it: empty, garbled, or naming a process that is no
// Zarnikfield. None may keep the program from starting; a start that
// cannot lock at all says where and why.
TEST_F(SingleInstanceStart, ALockNoRunningStartHoldsIsStaleAndOneNeverMadeSaysWhy) {
    const QString lockPath = runtime.filePath("zarnikfield.lock");
    for (const QByteArray& contents :
         {QByteArray(), QByteArray("\xff\x00garbage"), QByteArray("1\ninit\nelsewhere\n")}) {
        QFile lock(lockPath);
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lock.write(contents);
        lock.close();
        SingleInstance next(runtime.path());
        EXPECT_EQ(next.Claim(""), SingleInstance::Start::First) << contents.toStdString();
    }
    // A lock held by a running start is never taken away from it.
    SingleInstance running(runtime.path());
    ASSERT_EQ(running.Claim(""), SingleInstance::Start::First);
    QLockFile other(lockPath);
    EXPECT_FALSE(other.removeStaleLockFile());
    EXPECT_TRUE(QFileInfo::exists(lockPath));

    // A folder that cannot be made, its parent being a file: said where and why.
    QFile file(runtime.filePath("plain"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    SingleInstance blocked(runtime.filePath("plain/run"));
    EXPECT_EQ(blocked.Claim(""), SingleInstance::Start::Failed);
    EXPECT_EQ(blocked.failure(), "Zarnikfield cannot start: it cannot write in this folder:\n" +
                                     runtime.filePath("plain/run").toStdString());
}

} // namespace
} // namespace zf::ui
