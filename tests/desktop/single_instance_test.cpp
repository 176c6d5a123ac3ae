#include "desktop/frame/single_instance.h"
#include "program/string_table.h"
#include "program/texts.h"

#include "desktop_fixture.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

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

    QTemporaryDir runtime;
};

TEST_F(SingleInstanceStart, ASecondStartWithAFileOpensItInTheFirstWithThePlainPrompt) {
    SingleInstance first(runtime.path());
    ASSERT_EQ(first.Claim(""), SingleInstance::Start::First);
    MakeWindow();
    window->StartupLoad("");
    QObject::connect(&first, &SingleInstance::handedOver, window.get(),
                     [&](const QString& file) { window->OpenHandedFile(file.toStdString()); });
    KeySequence(editor(), "FD 1");
    editor().modified = 1;

    // A name relative to the later start's own folder.
    EXPECT_EQ(LaterStart({"square.gop"}), 0);
    auto loaded = [&] {
        const GoInstruction* head = editor().Head(GO_LIST);
        return head && head->opcode == op::GoProgramHeader &&
               std::string_view(NameTable().Get(head->nameId)) == ZF_SOURCE_EXAMPLES "/square.gop";
    };
    EXPECT_TRUE(QTest::qWaitFor(loaded, 10000));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, TextOf(102));
}

TEST_F(SingleInstanceStart, ALockLeftByACrashedStartDoesNotBlock) {
    QProcess crashed;
    Start(crashed, {});
    const QString socket = runtime.filePath("zarnikfield.socket");
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(socket); }, 30000));
    crashed.kill();
    crashed.waitForFinished();
    ASSERT_TRUE(QFileInfo::exists(runtime.filePath("zarnikfield.lock")));

    SingleInstance next(runtime.path());
    ASSERT_EQ(next.Claim(""), SingleInstance::Start::First);
    bool forward = false;
    QObject::connect(&next, &SingleInstance::handedOver,
                     [&](const QString& file) { forward = file.isEmpty(); });
    EXPECT_EQ(LaterStart({}), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return forward; }, 10000));
}

} // namespace
} // namespace zf::ui
