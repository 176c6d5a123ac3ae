#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// A folder of its own for each test, the current directory of the runs.
class Zfield : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zf-cli-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        fs::create_directories(dir / "runtime");
        fs::permissions(dir / "runtime", fs::perms::owner_all);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Runs zfield with the arguments (shell words) from `cwd`.
    Outcome Run(const std::string& arguments, const fs::path& cwd = {}) {
        const fs::path where = cwd.empty() ? dir : cwd;
        const std::string command =
            "cd '" + where.string() + "' && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR='" +
            (dir / "runtime").string() + "' XDG_DOCUMENTS_DIR='" + (dir / "docs").string() +
            "' LANGUAGE='" + language + "' " + program + " " + arguments + " >'" +
            (dir / "out.txt").string() + "' 2>'" + (dir / "err.txt").string() + "'";
        const int raw = std::system(command.c_str());
        Outcome o;
        o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        o.out = Slurp(dir / "out.txt");
        o.err = Slurp(dir / "err.txt");
        return o;
    }

    fs::path dir;
    // The messages' language, whatever the machine's.
    std::string language = "en";
    std::string program = ZFIELD_PATH;
};

TEST_F(Zfield, ExitStatusesSayWhetherTheCommandDidWhatWasAsked) {
    // Done: 0, results on standard output, nothing on standard error.
    Outcome done = Run("run --keys 'FD 1' --instant");
    EXPECT_EQ(done.status, 0);
    EXPECT_EQ(done.out.rfind("robot: 1500 1200 0\n", 0), 0u) << done.out;
    EXPECT_EQ(done.err, "");

    // A run that cannot start, or is ended early: 1, the message on
    // standard error and none on standard output.
    const std::pair<const char*, const char*> failed[] = {{"'RPT 4 [ FD 2'", "! 78 "},
                                                          {"'FD 9 FD 9'", "! 95 "}};
    for (const auto& [keys, message] : failed) {
        Outcome o = Run(std::string("run --instant --keys ") + keys);
        EXPECT_EQ(o.status, 1) << keys;
        EXPECT_NE(o.err.find(message), std::string::npos) << keys << o.err;
        EXPECT_EQ(o.out.find("! "), std::string::npos) << keys;
    }
    Outcome endless = Run("run --instant --limit 2000 --keys 'RPT 99 [ RPT 99 [ RT 1 ] ]'");
    EXPECT_EQ(endless.status, 1);
    EXPECT_NE(endless.err.find("stopped after 2000 instructions"), std::string::npos);

    // A wrong command line: 2.
    for (const char* usage :
         {"run --keys 'FD 1' -o ''", "run ''", "run --keys 'FD 1' --project ''", "show ''",
          "convert '' x.gop", "keys 'FD 1' -o ''", "get -o ''", "send ''",
          "run --keys 'FD 1' --floor 300,300", "run --keys 'FD 1' --floor 0,5",
          "run --keys 'STAMP(../../secret/secret.bmp)'", "run --keys 'FD 1' --limit 0",
          // Numbers are whole, in range and nothing else, never read as another.
          "run --keys 'FD 1' --limit ' -5'", "run --keys 'FD 1' --limit 99999999999999999999",
          "run --keys 'FD 1' --limit 5x", "run --keys 'FD 1' -o a.png --size 10x4294967306",
          "get --port 5 -o g.gop", "listing p.gop -o l.png --icon-size 55",
          "run --keys 'FD 1' -o a.png --size 10", "print p.gop -o ''",
          "print p.gop -o out.pdf --project p.gop"}) {
        Outcome o = Run(usage);
        EXPECT_EQ(o.status, 2) << usage;
        EXPECT_NE(o.err, "") << usage;
    }
    EXPECT_EQ(Run("run --keys 'FD 1' --floor 99,99 --instant").status, 0);
}

#ifdef GERMAN_ZFIELD_PATH
TEST_F(Zfield, MessagesSpeakTheChosenLanguage) {
    program = GERMAN_ZFIELD_PATH;
    // Chosen on the command line or by the environment: the core's messages
    // and zfield's own.
    Outcome core = Run("--lang de keys 5");
    EXPECT_EQ(core.status, 0);
    EXPECT_NE(core.err.find("! 8 Hier passt keine Zahl.\n"), std::string::npos) << core.err;
    language = "fr:de";
    Outcome own = Run("keys 'FD 1' --frob");
    EXPECT_EQ(own.status, 2);
    EXPECT_EQ(own.err, "zfield keys: unerwartetes Argument »--frob«\n");

    // A language that is not there: said, and English kept.
    Outcome unknown = Run("--lang fr keys 5");
    EXPECT_EQ(unknown.status, 0);
    EXPECT_NE(unknown.err.find("'fr'"), std::string::npos) << unknown.err;
    EXPECT_NE(unknown.err.find("! 8 Number not expected.\n"), std::string::npos) << unknown.err;
}
#endif

TEST_F(Zfield, RelativePathsAreTakenFromWhereZfieldWasStarted) {
    // A project elsewhere with a Go Program of the same name as the user's.
    const fs::path project = dir / "x/proj";
    for (const char* sub : {"backgnds", "zarniks", "objects", "pens"})
        fs::create_directories(project / sub);
    WriteText(project / "zarniks/zarndef.bmp", "");
    WriteText(project / "p.zfp",
              "[floor size]\r\nx=10\r\ny=10\r\n[go program]\r\ndef=square.gop\r\n");
    fs::create_directories(dir / "user");
    ASSERT_EQ(Run("keys 'RT 9 0 FD 1' -o ../x/proj/square.gop", dir / "user").status, 0);
    ASSERT_EQ(Run("keys 'FD 2' -o square.gop", dir / "user").status, 0);
    ASSERT_TRUE(fs::exists(dir / "user/square.gop"));

    Outcome o = Run("run --project ../x/proj/p.zfp square.gop --instant", dir / "user");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out.rfind("robot: 1500 900 0\n", 0), 0u) << o.out;

    // A project converted from there is written; one that would not open
    // again is not.
    o = Run("convert ../x/proj/p.zfp converted.zfp", dir / "user");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(fs::exists(dir / "user/converted.zfp"));
    WriteText(project / "bad.zfp", "[floor size]\r\nx=10\r\n[background]\r\ndef=A:b.bmp\r\n");
    o = Run("convert ../x/proj/bad.zfp bad.zfp", dir / "user");
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err, "");
    EXPECT_FALSE(fs::exists(dir / "user/bad.zfp"));
#ifdef ZF_WITH_RENDER
    o = Run("run --project ../x/proj/p.zfp --keys 'FD 1' --instant -o here.png", dir / "user");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(fs::exists(dir / "user/here.png"));
    EXPECT_FALSE(fs::exists(project / "here.png"));
#endif
}

#ifdef ZF_WITH_RENDER
TEST_F(Zfield, PicturesAreWrittenWholeOrNotAtAllAndStayBounded) {
    WriteText(dir / "old.png", "old picture");
    for (const char* bad : {"-o no-folder/x.png", "-o /dev/full", "-o old.png --size 16384x16384",
                            "-o old.png --size 5000x5000"}) {
        Outcome o = Run(std::string("run --keys 'FD 1' --instant ") + bad);
        EXPECT_NE(o.status, 0) << bad;
        EXPECT_NE(o.err, "") << bad;
    }
    EXPECT_EQ(Slurp(dir / "old.png"), "old picture");
    EXPECT_FALSE(fs::exists(dir / "no-folder"));
    ASSERT_EQ(Run("run --keys 'FD 1' --instant -o old.png --size 300x300").status, 0);
    EXPECT_EQ(Slurp(dir / "old.png").substr(1, 3), "PNG");
    // Nothing but the picture is left beside it.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir))
        ++entries;
    EXPECT_EQ(entries, 4); // old.png, out.txt, err.txt, runtime

    // A listing taller than a picture may be is refused; smaller icons fit.
    std::string flips;
    for (int i = 0; i < 2000; ++i)
        flips += "FLIP ";
    ASSERT_EQ(Run("keys '" + flips + "' -o long.gop").status, 0);
    Outcome tall = Run("listing long.gop -o long.png --icon-size 50");
    EXPECT_EQ(tall.status, 1);
    EXPECT_NE(tall.err.find("too long for one picture"), std::string::npos) << tall.err;
    EXPECT_FALSE(fs::exists(dir / "long.png"));
    EXPECT_EQ(Run("listing long.gop -o long.png --icon-size 5").status, 0);
    EXPECT_TRUE(fs::exists(dir / "long.png"));
}

TEST_F(Zfield, APredefinedProjectKeepsTheUsersChangedCopy) {
    const fs::path bundled = fs::path(ZFIELD_PATH).parent_path() / "example/island.zfp";
    if (!fs::exists(bundled))
        GTEST_SKIP() << "no example project beside zfield";
    ASSERT_EQ(Run("run --project '" + bundled.string() + "' --keys 'FD 1' --instant").status, 0);
    const fs::path copy = dir / "docs/Zarnikfield Work/island.zfp";
    ASSERT_TRUE(fs::exists(copy));
    const std::string changed = Slurp(copy) + "[zarnik pos]\r\nbearing=90\r\n";
    WriteText(copy, changed);
    Outcome o = Run("run --project '" + bundled.string() + "' --keys 'FD 1' --instant");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.err.find("opening your changed copy"), std::string::npos) << o.err;
    EXPECT_EQ(Slurp(copy), changed);
}
#endif

// The robot on a pseudo-terminal, as a process of its own: the shell says
// its process id, the emulator the terminal's path.
struct Robot {
    explicit Robot(const fs::path& image)
        : out(::popen(
              ("echo $$; exec '" ZARNIK_EMULATOR_PATH "' --image '" + image.string() + "'").c_str(),
              "r")) {
        char line[256] = {};
        if (out && std::fgets(line, sizeof line, out))
            pid = std::atoi(line);
        if (out && std::fgets(line, sizeof line, out))
            device.assign(line, std::strlen(line) - 1);
    }
    ~Robot() {
        if (pid > 0)
            ::kill(pid, SIGTERM);
        if (out)
            ::pclose(out);
    }
    std::FILE* out;
    pid_t pid = -1;
    std::string device;
};

TEST_F(Zfield, ControlBytesFromFilesReachTheTerminalEscaped) {
    // A text that would retitle the terminal and turn it red, a name with a
    // C1 control written as UTF-8: show writes them as \xHH.
    ASSERT_EQ(Run("keys 'TEXT(\"a\\x1B]0;owned\\x07\\x1B[31mb\") STAMP(\"c\\xC2\\x9Bd.bmp\")' "
                  "-o t.gop")
                  .status,
              0);
    Outcome shown = Run("show t.gop");
    EXPECT_EQ(shown.status, 0);
    EXPECT_NE(shown.out.find("TEXT(\"a\\x1B]0;owned\\x07\\x1B[31mb\","), std::string::npos)
        << shown.out;
    EXPECT_NE(shown.out.find("STAMP(\"c\\xC2\\x9Bd.bmp\")"), std::string::npos) << shown.out;
    for (char c : shown.out)
        EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << int(c);
    WriteText(dir / "t.zfp", "[zarnik shapes]\r\ndef=e\x1B[2Jvil.bmp\r\n");
    shown = Run("show t.zfp");
    EXPECT_NE(shown.out.find("shape: e\\x1B[2Jvil.bmp\n"), std::string::npos) << shown.out;
}

TEST_F(Zfield, NonsenseFromTheLeadIsNeitherSavedNorReportedAsSuccess) {
    WriteText(dir / "zeros.bin", std::string(197, '\0'));
    ASSERT_EQ(Run("keys 'FD 1' -o p.gop").status, 0);
    Robot robot(dir / "zeros.bin");
    ASSERT_FALSE(robot.device.empty());
    Outcome got = Run("get --device " + robot.device + " -o got.gop");
    EXPECT_EQ(got.status, 1);
    EXPECT_NE(got.err.find("! - The"), std::string::npos) << got.err;
    EXPECT_FALSE(fs::exists(dir / "got.gop"));
    Robot garbage(dir / "zeros.bin");
    Outcome sent = Run("send p.gop --device " + garbage.device);
    EXPECT_EQ(sent.status, 1);
    EXPECT_EQ(sent.err.find("Program copied to Zarnik."), std::string::npos) << sent.err;
}

} // namespace
