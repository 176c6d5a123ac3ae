#include "desktop/printing/abort_dialog.h"
#include "desktop/printing/print_commands.h"
#include "program/texts.h"
#include "program/unnumbered_texts.h"

#include "desktop_fixture.h"
#include "support/pdf_tools.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <filesystem>

namespace zf::ui {
namespace {

using zf::test::PdfPageCount;

class Printing : public DesktopTest, public PrintProblems {
  protected:
    void SetUp() override {
        folder = temp.path().toStdString();
        MakeWindow();
        window->printing().SetProblems(*this);
        window->StartupLoad("");
        ShowWindow();
    }
    // The GO list keyed to `lines` lines, printed with pictures of 50: five
    // lines a page.
    void KeyLines(int lines) {
        std::string keys;
        for (int i = editor().LineCount(GO_LIST); i < lines; ++i)
            keys += "FD 1 ";
        ASSERT_TRUE(KeySequence(editor(), keys));
        ASSERT_EQ(editor().LineCount(GO_LIST), lines);
        window->SetListingSize(9);
    }

    // Once the printer's dialog is up, chooses a PDF file there and prints.
    void AcceptPrintDialogWith(const std::string& path) {
        QTimer::singleShot(0, [this, path] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialogOffersPageRange = dialog->testOption(QAbstractPrintDialog::PrintPageRange);
            auto* printers = dialog->findChild<QComboBox*>("printers");
            ASSERT_NE(printers, nullptr);
            const int pdf = printers->findText("PDF", Qt::MatchContains);
            ASSERT_GE(pdf, 0);
            printers->setCurrentIndex(pdf);
            auto* file = dialog->findChild<QLineEdit*>("filename");
            ASSERT_NE(file, nullptr);
            file->setText(QString::fromStdString(path));
            dialog->accept();
        });
    }

    std::string Path(const char* name) const { return (folder / name).string(); }

    void Show(const std::string& caption, const std::string& text, QWidget*) override {
        problems.push_back(caption + "|" + text);
    }

    std::filesystem::path folder;
    std::vector<std::string> problems;
    bool dialogOffersPageRange = true;
};

TEST_F(Printing, BothPrintsGoThroughThePrintDialogToPdfOrAreReported) {
    KeyLines(6);
    const std::string pdf = Path("program.pdf");
    AcceptPrintDialogWith(pdf);
    window->Action(command::PrintGoProgram)->trigger();
    EXPECT_FALSE(dialogOffersPageRange);
    EXPECT_EQ(window->printing().printer().copyCount(), 1);
    EXPECT_EQ(PdfPageCount(pdf), 2);
    EXPECT_TRUE(window->isEnabled());

    AcceptPrintDialogWith(Path("area.pdf"));
    window->Action(command::PrintWorkingArea)->trigger();
    EXPECT_EQ(PdfPageCount(Path("area.pdf")), 1);

    // A file that cannot be written is reported, and nothing is made.
    AcceptPrintDialogWith(Path("missing/program.pdf"));
    EXPECT_EQ(window->printing().PrintGoProgram(), PrintOutcome::Failed);
    AcceptPrintDialogWith(Path("missing/area.pdf"));
    EXPECT_EQ(window->printing().PrintWorkingArea(), PrintOutcome::Failed);
    EXPECT_EQ(problems,
              (std::vector<std::string>{
                  std::string(TextOf(TextId::ProductName)) + "|" + unnumbered::kCannotStartPrinting,
                  std::string(TextOf(TextId::ProductName)) + "|" +
                      FormatText(unnumbered::kCannotStartPrintingCode, {ENOENT})}));
    EXPECT_FALSE(std::filesystem::exists(Path("missing")));
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(Printing, CancelInTheAbortDialogStopsBeforeTheNextPage) {
    KeyLines(16);
    const std::string pdf = Path("cancelled.pdf");
    int checks = 0;
    bool disabledMeanwhile = false;
    QString caption;
    QRect where;
    QObject::connect(&window->printing(), &PrintCommands::abortChecked, [&](AbortDialog& dialog) {
        if (++checks == 1) {
            disabledMeanwhile = !window->isEnabled() && dialog.isVisible() && dialog.isEnabled();
            caption = dialog.windowTitle();
            where = dialog.frameGeometry();
        } else if (checks == 3) {
            QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        }
    });
    AcceptPrintDialogWith(pdf);
    EXPECT_EQ(window->printing().PrintGoProgram(), PrintOutcome::Cancelled);
    EXPECT_EQ(checks, 3);
    EXPECT_EQ(PdfPageCount(pdf), 2);
    EXPECT_TRUE(disabledMeanwhile);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(caption, "Zarnikfield - Printing");
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    EXPECT_NEAR(where.center().x(), screen.center().x(), 1);
    EXPECT_EQ(where.top() - screen.top(), (screen.height() - where.height()) / 3);
    EXPECT_TRUE(problems.empty());
}

} // namespace
} // namespace zf::ui
