#include "i18n/language.h"
#include "program/texts.h"
#include "program/unnumbered_texts.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace {

using namespace zf;
using namespace zf::i18n;

// Beside this program stands a German translation of three core texts.
class Languages : public ::testing::Test {
  protected:
    void TearDown() override { ApplyLanguage(QStringLiteral("en")); }
};

TEST_F(Languages, SwitchTheCoreAndQtTextsAndBack) {
    const std::string english = Text(TextId::ProcedureAlreadyClosed, {7});
    const QList<Language> shipped = ShippedLanguages();
    ASSERT_EQ(shipped.size(), 2);
    EXPECT_EQ(shipped[0].code, QStringLiteral("en"));
    EXPECT_EQ(shipped[1].code, QStringLiteral("de"));
    EXPECT_EQ(shipped[1].name, QStringLiteral("Deutsch"));

    ASSERT_TRUE(ApplyLanguage(QStringLiteral("de")));
    EXPECT_EQ(CurrentLanguage(), QStringLiteral("de"));
    EXPECT_EQ(Text(TextId::ProcedureAlreadyClosed, {7}),
              "Prozedur 7 kann keine weitere schließende Klammer annehmen.");
    EXPECT_EQ(Translated(unnumbered::kProgramCopiedFromZarnik), "Programm vom Zarnik kopiert.");
    EXPECT_EQ(Text(TextId::ZarnikMemoryFull), "Der Speicher des Zarnik ist voll!");
    // An untranslated text stays English.
    EXPECT_EQ(Translated(unnumbered::kGotZeroChars), unnumbered::kGotZeroChars);
    // Qt's own texts follow, where Qt has them in this language.
    const QString qtOwn = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm";
    if (QFileInfo::exists(qtOwn)) {
        EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                  QStringLiteral("Cancel"));
    }

    // A language not shipped: refused, and English again.
    EXPECT_FALSE(ApplyLanguage(QStringLiteral("fr")));
    EXPECT_EQ(CurrentLanguage(), QStringLiteral("en"));
    EXPECT_EQ(Text(TextId::ProcedureAlreadyClosed, {7}), english);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));

    ASSERT_TRUE(ApplyLanguage(QStringLiteral("de")));
    ASSERT_TRUE(ApplyLanguage(QStringLiteral("en")));
    EXPECT_EQ(Text(TextId::ProcedureAlreadyClosed, {7}), english);
}

TEST_F(Languages, SystemLanguageTakesTheFirstShippedSetting) {
    struct Setting {
        const char *language, *all, *messages, *lang;
    };
    // Each row: where German is first named among unshipped languages.
    const Setting rows[] = {
        {"fr:de_CH:es", "fr_FR.UTF-8", "", ""},
        {"", "de_AT.UTF-8", "fr_FR", "es_ES"},
        {"es", "C", "de_DE.UTF-8@euro", "fr_FR"},
        {"", "POSIX", "", "de"},
    };
    for (const Setting& row : rows) {
        qputenv("LANGUAGE", row.language);
        qputenv("LC_ALL", row.all);
        qputenv("LC_MESSAGES", row.messages);
        qputenv("LANG", row.lang);
        EXPECT_EQ(SystemLanguage(), QStringLiteral("de")) << row.language << "/" << row.all;
    }
    // German named after a shipped English setting loses to it.
    qputenv("LANGUAGE", "en_GB:de");
    EXPECT_EQ(SystemLanguage(), QStringLiteral("en"));
    EXPECT_TRUE(IsRightToLeft(QStringLiteral("ar")));
    EXPECT_FALSE(IsRightToLeft(QStringLiteral("de")));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
