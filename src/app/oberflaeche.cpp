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

std::unique_ptr<QMessageBox> ErzeugeMeldungsfenster(const std::string& text, MeldungsArt art,
                                                    QWidget* parent)
{
    return std::make_unique<QMessageBox>(MeldungsSymbol(art), u"AXO Protokollübersicht"_s,
                                         AusCp1252(text), QMessageBox::Ok, parent);
}

void ZeigeMeldungsfenster(const std::string& text, MeldungsArt art)
{
    ErzeugeMeldungsfenster(text, art, QApplication::activeWindow())->exec();
}
