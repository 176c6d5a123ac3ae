#include "commands.h"
#include "conventions.h"
#include "language.h"

#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

namespace {

const zfield::Command kCommands[] = {
    {"keys", zfield::KeysCommand,
     QT_TRANSLATE_NOOP(
         "zfield", "keys \"SEQUENCE\" [--answer yes|no|edit]... [--check] [-o FILE.gop]\n"
                   "      Keys SEQUENCE into a fresh Go Program and prints the messages shown,\n"
                   "      the GO list, the PROC list and the memory units left; -o saves it.")},
    {"run", zfield::RunCommand,
     QT_TRANSLATE_NOOP(
         "zfield",
         "run (--keys \"SEQUENCE\" | FILE.gop) [--project P.zfp] [--floor W,H] [--instant]\n"
         "      [--trail] [--limit N] [-o OUT.png [--size WxH]]\n"
         "      Keys SEQUENCE (or opens FILE.gop) and runs it as GO does from the centre\n"
         "      of a W x H-step working area (10 x 10), heading 0, with the thin black\n"
         "      pen as on the desktop, or on the working area and start state of\n"
         "      project P; prints the messages shown, the robot (mm and degrees), the\n"
         "      pen trail and the number of objects;\n"
         "      -o draws the working area fitted into WxH pixels (1000x1000), the robot\n"
         "      where it stopped. W and H are 1 to 99 steps; --limit N stops a run that\n"
         "      has not ended after N instructions. Exit status 1 when the run could not\n"
         "      start, was ended early or hit the limit.")},
#ifdef ZF_WITH_RENDER
    {"listing", zfield::ListingCommand,
     QT_TRANSLATE_NOOP(
         "zfield", "listing FILE.gop -o OUT.png [--icon-size N]\n"
                   "      Draws the GO list and the PROC list as their windows show them, with\n"
                   "      key pictures N pixels high (5 to 50, 30 by default).")},
    {"print", zfield::PrintCommand,
     QT_TRANSLATE_NOOP(
         "zfield", "print FILE.gop -o OUT.pdf [--icon-size N] [--working-area [--project P.zfp]]\n"
                   "      Prints to a PDF file (A4) the pages Print Go Program prints: the GO\n"
                   "      list, then the PROC list, 55 - N lines a page (N the listing size, 30\n"
                   "      by default); --working-area prints the working area instead, after\n"
                   "      running FILE.gop on a fresh 10 x 10-step one or on that of project P.")},
#endif
    {"send", zfield::SendCommand,
     QT_TRANSLATE_NOOP(
         "zfield",
         "send FILE.gop [--port N | --device PATH] [--trace]\n"
         "      Sends the Go Program to the Floor Zarnik as Send GO Program does, on\n"
         "      port N (1..4, else the com port of zfield.ini) or the terminal device\n"
         "      PATH; prints the messages shown; --trace prints the port's trace lines.")},
    {"get", zfield::GetCommand,
     QT_TRANSLATE_NOOP(
         "zfield", "get [--port N | --device PATH] [--trace] -o FILE.gop\n"
                   "      Reads the Go Program held by the Floor Zarnik as Get GO Program does,\n"
                   "      saves it to FILE.gop and prints the messages shown and its lists.")},
    {"show", zfield::ShowCommand,
     QT_TRANSLATE_NOOP(
         "zfield", "show FILE\n"
                   "      Prints a Go Program as keys prints its lists, or a project (any form)\n"
                   "      as its settings, its trail points and its objects, one a line.")},
    {"convert", zfield::ConvertCommand,
     QT_TRANSLATE_NOOP(
         "zfield", "convert IN OUT\n"
                   "      Reads a Go Program or a project of any version and writes it as 2.0.")},
    {"lesson", zfield::LessonCommand,
     QT_TRANSLATE_NOOP(
         "zfield", "lesson pack P.zfp -o L.zfl | lesson unpack L.zfl DIR\n"
                   "      pack writes project P with its Go Program and its pictures into the\n"
                   "      lesson file L, as Save Lesson does; unpack writes the files of L into\n"
                   "      the new folder DIR and prints the project's path.")},
};

const char* kConventions = QT_TRANSLATE_NOOP(
    "zfield", "Messages the program shows go to standard error, results to standard output.\n"
              "Exit status: 0 when the command did all that was asked, 1 when it could not\n"
              "(a message says why), 2 for a wrong command line. Relative paths are taken\n"
              "from the current directory; files are replaced whole or not at all.\n"
              "The messages speak the language LANGUAGE, LC_ALL, LC_MESSAGES or LANG names,\n"
              "or the one --lang CODE names (en, or a translation installed with zfield).\n");

const char* kNotation = QT_TRANSLATE_NOOP(
    "zfield", "Key-sequence notation (tokens separated by spaces, case ignored):\n"
              "  FD BK LT RT        the four arrow keys, also FORWARD BACK LEFT RIGHT\n"
              "  RPT P Q W M S T    also REPEAT PROCEDURE QUAVER WAIT MOTOR SENSE TOGGLE\n"
              "  [ ]                the one bracket key\n"
              "  0..9               digit keys; a token of several digits keys each in turn\n"
              "  CE CM GO           clear entry, confirmed clear memory, go\n"
              "  POS(x,y) HEAD(h)   graphic commands: position in steps from the centre, heading\n"
              "  SHAPE(name) STAMP(name) PEN(name)\n"
              "  PENUP FLIP FLIPSTAMP TEXT(\"text\") TEXT(\"text\",mode)\n"
              "Listings use the same tokens, one instruction a line: RPT 4 [, FD 2 5, ], P 3 [.\n"
              "In a quoted text \\\" is a quote, \\\\ a backslash and \\n a line break.\n");

void PrintHelp() {
    using zfield::Tr;
    std::printf("%s\n\n", Tr(QT_TRANSLATE_NOOP(
                                 "zfield", "zfield %s - the Zarnikfield command-line companion"),
                             {std::string(ZF_VERSION)})
                              .c_str());
    std::printf("%s\n",
                Tr(QT_TRANSLATE_NOOP("zfield", "Usage: zfield [--lang CODE] COMMAND [ARGS]\n"
                                               "       zfield --help | --version\n\n"
                                               "Commands:"))
                    .c_str());
    for (const auto& c : kCommands)
        std::printf("  %s\n", Tr(c.usage).c_str());
    std::printf("\n%s\n%s", Tr(kConventions).c_str(), Tr(kNotation).c_str());
}

} // namespace

int main(int argc, char** argv) {
    // --lang CODE comes before the command; without it the system's language.
    std::string language;
    if (argc > 2 && std::strcmp(argv[1], "--lang") == 0) {
        language = argv[2];
        argv[2] = argv[0];
        argv += 2;
        argc -= 2;
    }
    zfield::ChooseLanguage(language);
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        PrintHelp();
        return argc < 2 ? 2 : 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("zfield %s\n", ZF_VERSION);
        return 0;
    }
    zfield::RememberUserDirectory();
    zfield::Args args(argv + 2, argv + argc);
    for (const auto& c : kCommands)
        if (std::strcmp(argv[1], c.name) == 0)
            return c.run(args);
    std::fprintf(
        stderr, "%s\n",
        zfield::Tr(QT_TRANSLATE_NOOP("zfield", "zfield: unknown command '%s' (see zfield --help)"),
                   {std::string(argv[1])})
            .c_str());
    return 2;
}
