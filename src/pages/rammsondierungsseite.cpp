// Page 1 of the dynamic probing report: probing device and starting point, the blow counts per
// 10 cm down to 9 m with remarks and one value per metre, three depth notes and the diagram.
// Positions are page-grid units relative to the origin of each block.

#include "diagrams/rammsondierungsdiagramm.h"
#include "pages/seitenkoerper.h"
#include "platform/cdc.h"
#include "platform/text.h"
#include "report/protokolldruck.h"

#include <array>
#include <span>

namespace {

constexpr int Normal = 0, SenkrechteSchrift = 6;
constexpr int FeinerStift = 0, KraeftigerStift = 1, GepunkteterStift = 4;
// Placement codes of the page grid.
constexpr int UntenLinks = 3, UntenMitte = 6, UntenRechts = 9, AuszeichnungLinksVersetzt = 32;

constexpr int NormFeld = 36;
const char* const NormTitel = " Erkundung durch Sondierung nach DIN EN ISO 22476-2";

// Three column blocks of three metres, each metre ten 10 cm rows and a metre row.
constexpr int Spaltenbloecke = 3;
constexpr int MeterJeBlock = 3;
constexpr int ZeilenJeMeter = 10;
constexpr double BlockBreite = 6;
constexpr double SchlagSpalte = 1, BemerkungSpalte = 2.5;
constexpr double MeterHoehe = 11;
constexpr int SchlagFeld = 0, BemerkungFeld = 1, MeterwertFeld = 2;

struct Geraetezeile
{
    double y;
    const char* titel;
    int feld;
    const char* einheit;
};

constexpr std::array<Geraetezeile, 3> GeraetLinks{{
    {0.3, "Sondiergerät", 3, ""},
    {1.3, "Spitzenquerschnitt", 4, "cm²"},
    {2.3, "Spitzendurchmesser", 5, "mm"},
}};
constexpr std::array<Geraetezeile, 2> GeraetRechts{{
    {0.3, "Fallgewicht", 6, "kg"},
    {1.3, "Rammenergie", 7, "kJ/m²"},
}};

// x of caption, colon, value (right end) and unit (right end) of one device column.
struct Geraetespalte
{
    double titel, doppelpunkt, wert, einheit;
};

struct Tiefenzeile
{
    double y;
    const char* titel;
    int feld;
};

constexpr std::array<Tiefenzeile, 3> Tiefenangaben{{
    {0, "Wasseranschnitt", 10},
    {1, "Auffüllung", 11},
    {2, "Leitungszone", 12},
}};
constexpr int LeitungszoneBisFeld = 13;

class CRammSeite : private CSeitenkoerper
{
public:
    CRammSeite(CProtokollDruck& druck, CDC& dc, const std::string& tabellenDaten,
               const std::string& titel)
        : CSeitenkoerper(druck, dc,
                         BeginneSeitenkoerper(druck, dc, tabellenDaten,
                                              Seitentitel(CDruckDaten(tabellenDaten), titel), true))
    {
    }

    void Geraet();
    void Schlagtabelle();
    void Tiefen();
    void Diagramm(const std::string& diagrammDaten);

private:
    static std::string Seitentitel(const CDruckDaten& daten, const std::string& titel)
    {
        return daten.GetZeile(NormFeld) == "1" ? NormTitel : titel;
    }

    void Geraetespalte(const Geraetespalte& x, std::span<const Geraetezeile> zeilen);
    void BlockLinien(int block);
    void BlockTexte(int block);
};

void CRammSeite::Geraetespalte(const ::Geraetespalte& x, std::span<const Geraetezeile> zeilen)
{
    for (const Geraetezeile& z : zeilen) {
        Text(UntenLinks, x.titel, z.y, z.titel);
        Text(UntenMitte, x.doppelpunkt, z.y, ":");
        Text(UntenRechts, x.wert, z.y, Feld(z.feld));
        Text(UntenRechts, x.einheit, z.y, z.einheit);
    }
}

void CRammSeite::Geraet()
{
    Ursprung(0, 18);
    WaehleStift(KraeftigerStift);
    WaehleSchrift(Normal);
    Geraetespalte({0, 5, 7, 9}, GeraetLinks);
    Geraetespalte({11.5, 14.5, 16, 18}, GeraetRechts);

    Rechteck(18.3, -1, 30, 3);
    Text(UntenLinks, 18.5, 0.3, "Anzsatzpunkt 'AP'");
    Text(UntenLinks, 18.5, 1.3, "NN-Höhe AP");
    Text(UntenMitte, 22.5, 0.3, ":");
    Text(UntenMitte, 22.5, 1.3, ":");
    Text(UntenLinks, 22.7, 0.3, Feld(8));
    Text(UntenLinks, 22.7, 1.3, Feld(9));
}

// The thick lines of one column block: head band, metre rows, groups and column separators.
void CRammSeite::BlockLinien(int block)
{
    const double b = BlockBreite * block;
    Rechteck(b, -2, b + BlockBreite, -1);
    Linie(b + SchlagSpalte, -2, b + SchlagSpalte, 0);
    for (int j = 0; j < MeterJeBlock; ++j) {
        const double oben = MeterHoehe * j;
        Rechteck(b, oben + 9, b + BlockBreite, oben + 10);
        Rechteck(b, oben - 1, b + BlockBreite, oben + 10);
        // The depth/blows separator stops at the metre row, the blows/remark one runs through.
        Linie(b + SchlagSpalte, oben - 1, b + SchlagSpalte, oben + 9);
        Linie(b + BemerkungSpalte, oben - 2, b + BemerkungSpalte, oben + 10);
    }
}

// The texts of one column block: the head, then per metre ten rows of depth, blows and remark,
// and the metre row.
void CRammSeite::BlockTexte(int block)
{
    const double b = BlockBreite * block;
    Text(UntenMitte, b + 0.5, -1, "T");
    Text(AuszeichnungLinksVersetzt, b + 1.65, -1, "N<t>10");
    Text(UntenLinks, b + 3, -1, "Bemerkung");
    for (int j = 0; j < MeterJeBlock; ++j) {
        const int meter = MeterJeBlock * block + j;
        const double oben = MeterHoehe * j;
        for (int r = 0; r < ZeilenJeMeter; ++r) {
            const int i = ZeilenJeMeter * meter + r;
            const double y = oben + r;
            Text(UntenRechts, b + SchlagSpalte, y, StringFormat("%.1f", (i + 1) / 10.0));
            Text(UntenRechts, b + BemerkungSpalte, y, Wert(SchlagFeld, i));
            Text(UntenLinks, b + BemerkungSpalte, y, Wert(BemerkungFeld, i));
        }
        Text(UntenLinks, b, oben + 10, "drehbar");
        Text(UntenLinks, b + BemerkungSpalte, oben + 10, Wert(MeterwertFeld, meter));
    }
}

// All lines come before the texts, so that no border covers the end of a long remark.
void CRammSeite::Schlagtabelle()
{
    Ursprung(0, 23);
    WaehleStift(FeinerStift);
    const int zeilenlinien = static_cast<int>(MeterHoehe) * MeterJeBlock;
    for (int y = 0; y < zeilenlinien; ++y)
        Linie(0, y, BlockBreite * Spaltenbloecke, y);
    WaehleStift(KraeftigerStift);
    for (int block = 0; block < Spaltenbloecke; ++block)
        BlockLinien(block);
    for (int block = 0; block < Spaltenbloecke; ++block)
        BlockTexte(block);
}

void CRammSeite::Tiefen()
{
    Ursprung(0, 57);
    WaehleSchrift(Normal);
    for (const Tiefenzeile& z : Tiefenangaben) {
        Text(UntenLinks, 0, z.y, z.titel);
        Text(UntenLinks, 4, z.y, "unter AP");
        Text(UntenMitte, 6, z.y, ":");
        Text(UntenRechts, 8, z.y, Feld(z.feld));
        Text(UntenLinks, 8, z.y, "m");
    }
    Text(UntenLinks, 9, 2, "bis");
    Text(UntenRechts, 11, 2, Feld(LeitungszoneBisFeld));
    Text(UntenLinks, 11, 2, "m");
}

// Directly below the starting point box.
void CRammSeite::Diagramm(const std::string& diagrammDaten)
{
    Ursprung(0, 21);
    WaehleStift(KraeftigerStift);
    Rechteck(18.3, 0, 30, 42);
    const RECT rechteck = Geraeteflaeche(20.8, 3, 29.7, 41.5);
    ZeichneRammsondierungsDiagramm(m_dc, rechteck, diagrammDaten, m_druck.Texte,
                                   m_druck.Stifte[KraeftigerStift],
                                   m_druck.Stifte[GepunkteterStift], m_druck.Schriften[Normal],
                                   m_druck.Schriften[SenkrechteSchrift]);
}

} // namespace

void CProtokollDruck::DruckeRammsondierung(CDC& dc, RECT, const std::string& tabellenDaten,
                                           const std::string& diagrammDaten,
                                           const std::string& titel)
{
    CRammSeite seite(*this, dc, tabellenDaten, titel);
    seite.Geraet();
    seite.Schlagtabelle();
    seite.Tiefen();
    seite.Diagramm(diagrammDaten);
}
