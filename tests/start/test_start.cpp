// The program speaks German whatever the user's locale: Qt's own texts, the dates, sizes and file
// types of its file dialogs and every QLocale's default; numbers keep their points all the same.
// ctest runs this under no locale, an English and a German one; it builds its application as the
// program does, so it has a main of its own.
#include "app/oberflaeche.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QLocale>
#include <QMimeDatabase>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

using namespace Qt::StringLiterals;

void PrintTo(const QString& text, std::ostream* aus)
{
    *aus << '"' << text.toStdString() << '"';
}

namespace {

std::optional<QByteArray> Variable(const char* name)
{
    return qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
}

// The locale variables as the user started the program.
struct Gebietsvariablen
{
    std::optional<QByteArray> lcAll = Variable("LC_ALL"), language = Variable("LANGUAGE");
    bool operator==(const Gebietsvariablen&) const = default;
};

const Gebietsvariablen beimStart;

} // namespace

TEST(Gebietsschema, DeutschUnterJedemZahlenMitPunkt)
{
    const QDateTime zeit(QDate(2023, 12, 7), QTime(9, 30));
    EXPECT_EQ(QLocale::system().toString(zeit, QLocale::ShortFormat), u"07.12.23 09:30"_s);
    EXPECT_EQ(QLocale::system().formattedDataSize(3), u"3 Bytes"_s);
    EXPECT_EQ(QLocale().language(), QLocale::German);
    EXPECT_EQ(QMimeDatabase().mimeTypeForName(u"application/x-zerosize"_s).comment(),
              u"Leeres Dokument"_s);
    const QDialogButtonBox knoepfe(QDialogButtonBox::Cancel);
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::Cancel)->text(), u"Abbrechen"_s);

    char zahl[16];
    std::snprintf(zahl, sizeof zahl, "%.1f", 12.5);
    EXPECT_STREQ(zahl, "12.5");
    EXPECT_EQ(std::strtod("12.5", nullptr), 12.5);
    // Programs opened from here keep the user's own locale.
    EXPECT_TRUE(Gebietsvariablen() == beimStart);
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const CQtAnwendung qt(argc, argv);
    return RUN_ALL_TESTS();
}
