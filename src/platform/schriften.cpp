#include "platform/schriften.h"

#include "platform/qtext.h"
#include "platform/text.h"
#include "platform/textmetrik.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainterPath>
#include <QtEndian>
#include <QtGlobal>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace {

const char* const kWine = "/usr/share/wine/fonts/";
const char* const kLiberation2 = "/usr/share/fonts/truetype/liberation2/";
const char* const kLiberation = "/usr/share/fonts/truetype/liberation/";
const char* const kDejaVu = "/usr/share/fonts/truetype/dejavu/";

struct Gesicht
{
    const char* name; // as the reports name it, compared without regard to case
    std::vector<QString> normal;
    std::vector<QString> fett;
    std::vector<QString> zellDatei; // face whose OS/2 cell applies, when not the drawn one
    bool symbol = false;
};

QString Pfad(const char* ordner, const char* datei)
{
    return QString::fromLatin1(ordner) + QString::fromLatin1(datei);
}

const std::vector<Gesicht>& Gesichter()
{
    static const std::vector<Gesicht> gesichter = {
        {"Tahoma", {Pfad(kWine, "tahoma.ttf")}, {Pfad(kWine, "tahomabd.ttf")}, {}, false},
        {"Arial",
         {Pfad(kLiberation2, "LiberationSans-Regular.ttf"),
          Pfad(kLiberation, "LiberationSans-Regular.ttf")},
         {Pfad(kLiberation2, "LiberationSans-Bold.ttf"),
          Pfad(kLiberation, "LiberationSans-Bold.ttf")},
         {},
         false},
        {"Courier New",
         {Pfad(kLiberation2, "LiberationMono-Regular.ttf"),
          Pfad(kLiberation, "LiberationMono-Regular.ttf")},
         {Pfad(kLiberation2, "LiberationMono-Bold.ttf"),
          Pfad(kLiberation, "LiberationMono-Bold.ttf")},
         {},
         false},
        {"Times New Roman",
         {Pfad(kLiberation2, "LiberationSerif-Regular.ttf"),
          Pfad(kLiberation, "LiberationSerif-Regular.ttf")},
         {Pfad(kLiberation2, "LiberationSerif-Bold.ttf"),
          Pfad(kLiberation, "LiberationSerif-Bold.ttf")},
         {},
         false},
        // Symbol text is Greek drawn in a serif face, sized by the cell of Wine's Symbol.
        {"Symbol",
         {Pfad(kLiberation2, "LiberationSerif-Regular.ttf"),
          Pfad(kLiberation, "LiberationSerif-Regular.ttf"), Pfad(kDejaVu, "DejaVuSerif.ttf")},
         {Pfad(kLiberation2, "LiberationSerif-Bold.ttf"),
          Pfad(kLiberation, "LiberationSerif-Bold.ttf"), Pfad(kDejaVu, "DejaVuSerif-Bold.ttf")},
         {Pfad(kWine, "symbol.ttf")},
         true},
    };
    return gesichter;
}

const Gesicht& Ersatzgesicht()
{
    static const Gesicht ersatz = {"DejaVu Sans",
                                   {Pfad(kDejaVu, "DejaVuSans.ttf")},
                                   {Pfad(kDejaVu, "DejaVuSans-Bold.ttf")},
                                   {},
                                   false};
    return ersatz;
}

QString ErsteVorhandene(const std::vector<QString>& pfade)
{
    for (const QString& pfad : pfade)
        if (QFile::exists(pfad))
            return pfad;
    return {};
}

// Windows picks the bold file of a two-weight family from 600 on.
bool IstFett(int gewicht)
{
    return gewicht >= FW_SEMIBOLD;
}

QRawFont LadeRohschrift(const QString& pfad)
{
    QRawFont roh(pfad, 16, QFont::PreferNoHinting);
    if (roh.isValid())
        roh.setPixelSize(roh.unitsPerEm());
    return roh;
}

// The same face as the font database's engine, which knows its file: a PDF then embeds the face
// and its text stays searchable, where a face read from bare data is drawn as outlines. Only
// when the database hands out that very file; otherwise the face as read.
QRawFont MitDateiImPdf(const QString& pfad, const QRawFont& gelesen)
{
    if (QGuiApplication::instance() == nullptr)
        return gelesen;
    const QStringList familien =
        QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(pfad));
    if (familien.isEmpty())
        return gelesen;
    QFont schrift(familien.front());
    schrift.setStyleName(gelesen.styleName());
    schrift.setPixelSize(gelesen.unitsPerEm());
    schrift.setHintingPreference(QFont::PreferNoHinting);
    schrift.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont ausDatenbank = QRawFont::fromFont(schrift);
    if (!ausDatenbank.isValid() || ausDatenbank.pixelSize() != gelesen.pixelSize() ||
        ausDatenbank.fontTable("head") != gelesen.fontTable("head") ||
        ausDatenbank.fontTable("cmap") != gelesen.fontTable("cmap"))
        return gelesen;
    return ausDatenbank;
}

// usWinAscent and usWinDescent from the OS/2 table; the hhea values when it is missing.
void LeseZelle(const QRawFont& roh, double& aufstieg, double& abstieg)
{
    const QByteArray os2 = roh.fontTable("OS/2");
    if (os2.size() >= 78) {
        const auto* d = reinterpret_cast<const uchar*>(os2.constData());
        aufstieg = qFromBigEndian<quint16>(d + 74);
        abstieg = qFromBigEndian<quint16>(d + 76);
    } else {
        aufstieg = roh.ascent();
        abstieg = roh.descent();
    }
}

// A bold file whose "l" has the regular outline has no bold outlines of its own.
bool HatNormaleUmrisse(const QRawFont& fett, const Gesicht& gesicht)
{
    const QRawFont normal = LadeRohschrift(ErsteVorhandene(gesicht.normal));
    if (!normal.isValid())
        return false;
    const auto umriss = [](const QRawFont& roh) {
        const QList<quint32> glyphe = roh.glyphIndexesForString(QStringLiteral("l"));
        return glyphe.isEmpty() ? QRectF() : roh.pathForGlyph(glyphe.front()).boundingRect();
    };
    return umriss(fett) == umriss(normal);
}

std::unique_ptr<CSchriftschnitt> LadeSchnitt(const Gesicht& gesicht, bool fett)
{
    const QString datei = ErsteVorhandene(fett ? gesicht.fett : gesicht.normal);
    if (datei.isEmpty())
        return nullptr;
    auto schnitt = std::make_unique<CSchriftschnitt>();
    schnitt->rohschrift = LadeRohschrift(datei);
    if (!schnitt->rohschrift.isValid())
        return nullptr;
    schnitt->rohschrift = MitDateiImPdf(datei, schnitt->rohschrift);
    schnitt->einheitenJeEm = schnitt->rohschrift.unitsPerEm();
    if (fett && HatNormaleUmrisse(schnitt->rohschrift, gesicht))
        schnitt->nachzeichnen = 0.05 * schnitt->einheitenJeEm;

    QRawFont zellSchrift = schnitt->rohschrift;
    if (const QString zellDatei = ErsteVorhandene(gesicht.zellDatei); !zellDatei.isEmpty())
        if (QRawFont roh = LadeRohschrift(zellDatei); roh.isValid())
            zellSchrift = roh;
    double aufstieg = 0;
    double abstieg = 0;
    LeseZelle(zellSchrift, aufstieg, abstieg);
    schnitt->aufstiegJeEm = aufstieg / zellSchrift.unitsPerEm();
    schnitt->abstiegJeEm = abstieg / zellSchrift.unitsPerEm();

    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        schnitt->zeichen[b] = gesicht.symbol ? SymbolZeichen(static_cast<unsigned char>(b))
                                             : AusCp1252(std::string_view(&c, 1)).at(0).unicode();
        const QList<quint32> glyphe =
            schnitt->rohschrift.glyphIndexesForString(QString(QChar(schnitt->zeichen[b])));
        schnitt->glyphe[b] = glyphe.isEmpty() ? 0 : glyphe.front();
        const QList<QPointF> vorschub = schnitt->rohschrift.advancesForGlyphIndexes(
            QList<quint32>{schnitt->glyphe[b]}, QRawFont::UseDesignMetrics);
        schnitt->vorschub[b] = vorschub.isEmpty() ? 0 : vorschub.front().x();
    }
    return schnitt;
}

const Gesicht* SucheGesicht(const std::string& name)
{
    const std::string gross = GrossSchreiben(name);
    for (const Gesicht& gesicht : Gesichter())
        if (GrossSchreiben(gesicht.name) == gross)
            return &gesicht;
    return nullptr;
}

class CEchteTextMetrik : public CTextMetrik
{
public:
    SCHRIFTZELLE Zelle(const LOGFONT& schrift) const override
    {
        const CSchriftschnitt& schnitt = Schriftschnitt(schrift);
        const double zelleJeEm = schnitt.aufstiegJeEm + schnitt.abstiegJeEm;
        const int hoehe = schrift.lfHeight == 0 ? 300 : schrift.lfHeight;
        SCHRIFTZELLE zelle;
        if (hoehe > 0) {
            zelle.em = hoehe / zelleJeEm;
            zelle.aufstieg =
                static_cast<int>(std::lround(hoehe * schnitt.aufstiegJeEm / zelleJeEm));
            zelle.abstieg = hoehe - zelle.aufstieg;
        } else {
            zelle.em = -double(hoehe);
            zelle.aufstieg = static_cast<int>(std::lround(zelle.em * schnitt.aufstiegJeEm));
            zelle.abstieg = static_cast<int>(std::lround(zelle.em * schnitt.abstiegJeEm));
        }
        return zelle;
    }

    double Breite(const LOGFONT& schrift, std::string_view text) const override
    {
        const CSchriftschnitt& schnitt = Schriftschnitt(schrift);
        double einheiten = 0;
        for (char c : text)
            einheiten += schnitt.vorschub[static_cast<unsigned char>(c)];
        return einheiten * Zelle(schrift).em / schnitt.einheitenJeEm;
    }
};

} // namespace

QString CSchriftschnitt::Unicode(std::string_view text) const
{
    QString ergebnis;
    ergebnis.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text)
        ergebnis.append(QChar(zeichen[static_cast<unsigned char>(c)]));
    return ergebnis;
}

namespace {

const CSchriftschnitt& SucheSchriftschnitt(const std::string& name, bool fett)
{
    static std::map<std::pair<std::string, bool>, std::unique_ptr<CSchriftschnitt>> geladen;
    static std::set<std::string> gewarnt;
    const std::pair<std::string, bool> schluessel{GrossSchreiben(name), fett};
    auto& eintrag = geladen[schluessel];
    if (eintrag)
        return *eintrag;

    if (const Gesicht* gesicht = SucheGesicht(name))
        eintrag = LadeSchnitt(*gesicht, fett);
    if (!eintrag) {
        if (gewarnt.insert(schluessel.first).second)
            qWarning("Schrift \"%s\" nicht vorhanden, ersetzt durch DejaVu Sans",
                     qPrintable(AusCp1252(name)));
        eintrag = LadeSchnitt(Ersatzgesicht(), fett);
    }
    if (!eintrag) {
        // Not even the fallback is installed: an empty face measures nothing and draws nothing.
        eintrag = std::make_unique<CSchriftschnitt>();
        eintrag->aufstiegJeEm = 0.8;
        eintrag->abstiegJeEm = 0.2;
        eintrag->zeichen.fill(u'?');
        eintrag->glyphe.fill(0);
        eintrag->vorschub.fill(0);
    }
    return *eintrag;
}

} // namespace

// Every text measured asks for its face; a page keeps to a few, so the last one answers most.
const CSchriftschnitt& Schriftschnitt(const LOGFONT& schrift)
{
    static std::string letzterName;
    static bool letztesFett = false;
    static const CSchriftschnitt* letzter = nullptr;
    const bool fett = IstFett(schrift.lfWeight);
    if (letzter == nullptr || fett != letztesFett || schrift.lfFaceName != letzterName) {
        letzter = &SucheSchriftschnitt(schrift.lfFaceName, fett);
        letzterName = schrift.lfFaceName;
        letztesFett = fett;
    }
    return *letzter;
}

const CTextMetrik& SchriftMetrik()
{
    static const CEchteTextMetrik metrik;
    return metrik;
}

void RegistriereSchriften()
{
    for (const char* datei : {"tahoma.ttf", "tahomabd.ttf", "symbol.ttf"})
        if (const QString pfad = Pfad(kWine, datei); QFile::exists(pfad))
            QFontDatabase::addApplicationFont(pfad);
}

char16_t SymbolZeichen(unsigned char byte)
{
    // Adobe Symbol encoding from 0x20 to 0xDF; a zero means "as in CP1252".
    static constexpr char16_t kTabelle[0xE0 - 0x20] = {
        0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, // 20
        0x0028, 0x0029, 0x2217, 0x002B, 0x002C, 0x2212, 0x002E, 0x002F, // 28
        0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037, // 30
        0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F, // 38
        0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, // 40
        0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F, // 48
        0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, // 50
        0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5, 0x005F, // 58
        0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, // 60
        0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF, // 68
        0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, // 70
        0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C, 0,      // 78
        0,      0,      0,      0,      0,      0,      0,      0,      // 80
        0,      0,      0,      0,      0,      0,      0,      0,      // 88
        0,      0,      0,      0,      0,      0,      0,      0,      // 90
        0,      0,      0,      0,      0,      0,      0,      0,      // 98
        0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, // A0
        0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191, 0x2192, 0x2193, // A8
        0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022, // B0
        0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5, // B8
        0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229, // C0
        0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209, // C8
        0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5, // D0
        0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3, // D8
    };
    if (byte >= 0x20 && byte < 0xE0 && kTabelle[byte - 0x20] != 0)
        return kTabelle[byte - 0x20];
    const char c = static_cast<char>(byte);
    return AusCp1252(std::string_view(&c, 1)).at(0).unicode();
}
