#include "app/oberflaeche.h"

#include "platform/qtext.h"
#include "platform/umgebungsvariable.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

using namespace Qt::StringLiterals;

CQtAnwendung::CQtAnwendung(int& argc, char** argv)
{
    {
        // Qt reads the system locale, which every QLocale defaults to and Qt's dialogs take their
        // dates, sizes and file types from, from the environment while the application is built,
        // and never again. Programs opened from here keep the user's own.
        const CVariableAufZeit gebiet("LC_ALL", "de_DE.UTF-8");
        const CVariableAufZeit sprachen("LANGUAGE", std::nullopt);
        m_qt = std::make_unique<QApplication>(argc, argv);
    }
    // Qt has set the numeric locale from the environment; numbers are read and written with ".".
    std::setlocale(LC_NUMERIC, "C");
    InstalliereQtUebersetzung(m_qtTexte);
}

bool InstalliereQtUebersetzung(QTranslator& uebersetzer)
{
    const QString ordner = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!uebersetzer.load(QLocale(QLocale::German, QLocale::Germany), u"qtbase"_s, u"_"_s, ordner))
        return false;
    return QCoreApplication::installTranslator(&uebersetzer);
}

namespace {

QMessageBox::Icon MeldungsSymbol(MeldungsArt art)
{
    switch (art) {
    case MeldungsArt::Warnung:
        return QMessageBox::Warning;
    case MeldungsArt::Fehler:
        return QMessageBox::Critical;
    case MeldungsArt::Hinweis:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

std::unique_ptr<QMessageBox> ErzeugeMeldungsfenster(const Meldung& meldung, QWidget* parent)
{
    return std::make_unique<QMessageBox>(MeldungsSymbol(meldung.art), AusCp1252(meldung.titel),
                                         AusCp1252(meldung.text), QMessageBox::Ok, parent);
}

void ZeigeMeldungsfenster(const Meldung& meldung)
{
    ErzeugeMeldungsfenster(meldung, QApplication::activeWindow())->exec();
}
