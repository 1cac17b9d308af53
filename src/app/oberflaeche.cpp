#include "app/oberflaeche.h"

#include "platform/qtext.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

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
