#include "pages/seitenlogo.h"
#include "platform/exceptions.h"
#include "platform/qtdc.h"
#include "report/bmp_bauer.h"
#include "report/dib.h"
#include "report/druckdaten.h"
#include "seitentest.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <sstream>

namespace {

class Kopf : public Seitentest
{
protected:
    // Header values: Bereich, Station, Schicht, Lage, Bodenart, Herkunft, Zustand, (empty),
    // protocol number, date, von, bis, Prüfer, Bearbeiter, 14, 15.
    std::vector<std::string> kopfdaten{
        "|Abschnitt 3@km 1+250@OK Planum@links@GW@Grube Nord@erdfeucht@frei@17@20240305@@"
        "@Maier@Schulze@Zeile 14@Zeile 15",
        "", ""};
    std::string kopffelder = "Ortsumgehung Tamrik|Nachverdichtet|Stadtwerke|B12";
    std::string zusatztext = "Labor Nord|Hafenweg 3|Tel. 0421 123|Fax 0421 124|0";

    void Seite(int code)
    {
        druck.DruckeSeite(&dc, seite, code, kopfdaten, kopffelder, zusatztext, "Titel");
    }
    // The credit line: the program and its version.
    DCEintrag Nachweis() const
    {
        for (const DCEintrag& e : dc.Texte())
            if (e.text.starts_with("AXO Reader "))
                return e;
        ADD_FAILURE() << "keine Nachweiszeile";
        DCEintrag leer;
        leer.punkte = {POINT{}};
        return leer;
    }
    // Header values with cell i replaced.
    void SetzeWert(int i, const std::string& wert)
    {
        CDruckDaten werte(kopfdaten[0]);
        werte.SetzeZellText(1, i, wert);
        kopfdaten[0] = werte.Text();
    }
};

} // namespace

TEST_F(Kopf, NormalPageDrawsBothBlocksWithTheirFontsPensAndPoints)
{
    Seite(10002);

    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
    // Page frame and band lines in the 0.4 mm pen.
    const int links = GX(-0.16), rechts = GX(30.26);
    EXPECT_EQ(links, 2411);
    EXPECT_EQ(Linie({links, GY(-1.6)}, {links, GY(68.0)}).zustand.stift, Stift(2));
    EXPECT_EQ(Linie({links, GY(3.0)}, {rechts, GY(3.0)}).zustand.stift, Stift(2));
    EXPECT_EQ(Linie({links, GY(15.0)}, {rechts, GY(15.0)}).zustand.stift, Stift(2));
    EXPECT_EQ(Linie({links, GY(16.7)}, {rechts, GY(16.7)}).zustand.stift, Stift(2));
    EXPECT_EQ(Linie({GX(22.5), GY(65.4)}, {GX(22.5), GY(68.0)}).zustand.stift, Stift(2));
    // Remark separator and the header-value dividers in the 0.2 mm pen.
    EXPECT_EQ(Linie({links, GY(64.0)}, {rechts, GY(64.0)}).zustand.stift, Stift(1));
    EXPECT_EQ(Linie({GX(22.5), GY(5.7)}, {GX(22.5), GY(15.0)}).zustand.stift, Stift(1));
    EXPECT_EQ(Linie({GX(22.5), GY(10.2)}, {rechts, GY(10.2)}).zustand.stift, Stift(1));

    EXPECT_EQ(Punkt("Baumaßnahme"), POINT(2600, GY(4.4) + 50));
    EXPECT_EQ(Text("Baumaßnahme").zustand.schrift, Schrift(3));
    EXPECT_EQ(Text("Baumaßnahme").ausrichtung, TA_BOTTOM | TA_LEFT);
    EXPECT_EQ(Punkt("Ortsumgehung Tamrik"), Anker(3, 5.0, 4.4));
    EXPECT_EQ(Punkt("Auftraggeber"), POINT(2600, -3684));
    EXPECT_EQ(Text("Stadtwerke").zustand.schrift, Schrift(0));
    EXPECT_EQ(Punkt("Stadtwerke"), Anker(3, 5.0, 5.45));

    EXPECT_EQ(Text("Bemerkung:").zustand.schrift, Schrift(1));
    EXPECT_EQ(Punkt("Bemerkung:"), Anker(3, 0, 65.2));
    EXPECT_EQ(Punkt("Nachverdichtet"), Anker(3, 3.5, 65.2));
    EXPECT_EQ(Text("Nachverdichtet").zustand.schrift, Schrift(0));

    EXPECT_EQ(Punkt("Labor Nord"), Anker(1, -0.16, 65.7));
    EXPECT_EQ(Punkt("Hafenweg 3"), Anker(1, -0.16, 66.6));
    EXPECT_EQ(Punkt("Tel. 0421 123"), Anker(1, 22.5, 65.7));
    EXPECT_EQ(Punkt("Fax 0421 124"), Anker(1, 22.5, 66.6));

    const DCEintrag nachweis = Nachweis();
    EXPECT_EQ(nachweis.zustand.schrift, Schrift(6));
    EXPECT_EQ(nachweis.punkte[0], Anker(3, -0.45, 68.1));

    // Header block 1 below the origin (0, 7): left column rows 0 to 3 bottom-placed, rows from
    // 3.6 top-placed; colons on the value column.
    EXPECT_EQ(Punkt("Bereich / Bauabschnitt"), Anker(3, 0, 7.0));
    EXPECT_EQ(Punkt("Abschnitt 3"), Anker(3, 5.0, 7.0));
    EXPECT_EQ(Punkt("km 1+250"), Anker(3, 5.0, 8.0));
    EXPECT_EQ(Punkt("links"), Anker(3, 5.0, 10.0));
    EXPECT_EQ(Punkt("Bodenart"), Anker(1, 0, 10.6));
    EXPECT_EQ(Punkt("GW"), Anker(1, 5.0, 10.6));
    EXPECT_EQ(Punkt("erdfeucht"), Anker(1, 5.0, 12.6));
    EXPECT_EQ(Punkt("frei"), Anker(1, 5.0, 13.6));
    EXPECT_EQ(Punkt("Prüfer"), Anker(1, 23.0, 10.6));
    EXPECT_EQ(Punkt("Schulze"), Anker(1, 26.0, 11.6));
    EXPECT_EQ(Punkt("Zeile 15"), Anker(1, 26.0, 13.6));
    EXPECT_EQ(Text("Abschnitt 3").zustand.schrift, Schrift(0));
    // Field 7 has no label: its value prints without label or colon; 14 and 15 alike.
    const std::vector<DCEintrag> kolons = Texte(":");
    const auto kolonBei = [&](POINT p) {
        return std::ranges::count_if(kolons, [&](const DCEintrag& e) { return e.punkte[0] == p; });
    };
    EXPECT_EQ(kolonBei(Anker(6, 5.0, 7.0)), 1);
    EXPECT_EQ(kolonBei(Anker(4, 5.0, 12.6)), 1);
    EXPECT_EQ(kolonBei(Anker(4, 5.0, 13.6)), 0);
    EXPECT_EQ(kolonBei(Anker(4, 26.0, 12.6)), 0);
    // 4 left rows, 3 labelled top rows on each side, number, date.
    EXPECT_EQ(kolons.size(), 4u + 3 + 2 + 2);

    EXPECT_EQ(Punkt("Protokoll Nr."), Anker(3, 23.0, 7.0));
    EXPECT_EQ(Punkt("B12-17"), Anker(3, 26.0, 7.0));
    EXPECT_EQ(Punkt("Datum"), Anker(3, 23.0, 8.0));
    EXPECT_EQ(Punkt("05.03.2024"), Anker(3, 26.0, 8.0));
    EXPECT_FALSE(Hat("von"));
    EXPECT_FALSE(Hat("bis"));
    // No body on a page that is not the first.
    EXPECT_FALSE(Hat("Titel"));
}

TEST_F(Kopf, LogoFillsTheBandHalfAMillimetreInside)
{
    QImage banner(40, 8, QImage::Format_RGB888);
    banner.fill(Qt::blue);
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    banner.save(&puffer, "BMP");
    std::istringstream datei(puffer.data().toStdString());
    CDib logo;
    ASSERT_GT(logo.Lese(datei), 0u);

    SetzeSeitenlogo(&logo);
    Seite(10002);
    SetzeSeitenlogo(nullptr);
    std::vector<DCEintrag> bilder;
    for (const DCEintrag& e : dc.Eintraege())
        if (e.art == DCPrimitiv::Bild)
            bilder.push_back(e);
    ASSERT_EQ(bilder.size(), 1u);
    EXPECT_EQ(bilder[0].rechteck,
              RECT(GX(-0.16) + 50, GY(-1.6) - 50, GX(30.26) - 50, GY(3.0) + 50));
    EXPECT_EQ(bilder[0].quelle, RECT(0, 0, 40, 8));

    // Without a logo, or with an empty one, the band stays empty.
    dc.Leeren();
    Seite(10002);
    const CDib leer;
    SetzeSeitenlogo(&leer);
    Seite(10002);
    SetzeSeitenlogo(nullptr);
    EXPECT_TRUE(std::ranges::none_of(dc.Eintraege(),
                                     [](const DCEintrag& e) { return e.art == DCPrimitiv::Bild; }));
}

// Logos of every depth and row order, painted by the printed header through its own source
// rectangle: the upper half of the band shows the logo's upper row, the lower half its lower row.
TEST_F(Kopf, LogoBandShowsLogosOfEveryDepthAndRowOrderUpright)
{
    using namespace std::string_literals;
    const COLORREF orange = RGB(255, 128, 0), himmelblau = RGB(0, 128, 255);
    struct Fall
    {
        std::uint16_t bits;
        std::uint32_t kompression;
        std::vector<std::uint32_t> masken;
        std::string oben, unten; // pixel bytes, repeated through the row
    };
    // Green at half strength tells 5-6-5 from 5-5-5; red in the lowest byte tells stored 8-8-8
    // masks from the default ones.
    const std::vector<Fall> faelle = {
        {1, 0, {}, "\0"s, "\xFF"s},
        {4, 0, {}, "\0"s, "\x11"s},
        {8, 0, {}, "\0"s, "\1"s},
        {16, 0, {}, "\0\x7E"s, "\x1F\2"s},
        {16, 3, {0xF800, 0x07E0, 0x001F}, "\0\xFC"s, "\x1F\4"s},
        {24, 0, {}, "\0\x80\xFF"s, "\xFF\x80\0"s},
        {32, 0, {}, "\0\x80\xFF\0"s, "\xFF\x80\0\0"s},
        {32, 3, {0xFF, 0xFF00, 0xFF0000}, "\xFF\x80\0\0"s, "\0\x80\xFF\0"s},
    };
    constexpr double dpi = 50;
    const auto pixel = [&](int logisch) { return int(std::abs(logisch) * dpi / 2540); };
    const int mitte = pixel((GX(-0.16) + GX(30.26)) / 2);
    const int band = GY(3.0) - GY(-1.6) + 100; // top to bottom, inside by 0.5 mm each
    for (const Fall& fall : faelle)
        for (const bool obenZuerst : {false, true}) {
            SCOPED_TRACE(testing::Message()
                         << fall.bits << " bits, compression " << fall.kompression
                         << (obenZuerst ? ", top-down" : ""));
            BmpBauer bmp;
            bmp.breite = 2;
            bmp.hoehe = obenZuerst ? -2 : 2;
            bmp.bitsProBildpunkt = fall.bits;
            bmp.kompression = fall.kompression;
            bmp.masken = fall.masken;
            if (fall.bits <= 8)
                bmp.farben = {orange, himmelblau};
            const std::size_t laenge = (2 * fall.bits + 31) / 32 * 4;
            const auto zeile = [&](std::string bytes) {
                while (bytes.size() < laenge)
                    bytes += bytes;
                return bytes.substr(0, laenge);
            };
            bmp.bits = obenZuerst ? zeile(fall.oben) + zeile(fall.unten)
                                  : zeile(fall.unten) + zeile(fall.oben);
            std::istringstream datei(bmp.Datei());
            CDib logo;
            EXPECT_GT(logo.Lese(datei), 0u);

            QImage bild(pixel(seite.right), pixel(seite.bottom), QImage::Format_RGB32);
            bild.fill(Qt::white);
            QPainter maler(&bild);
            QtDC qtdc(maler, dpi, dpi);
            SetzeSeitenlogo(&logo);
            druck.DruckeSeite(&qtdc, seite, 10002, kopfdaten, kopffelder, zusatztext, "");
            SetzeSeitenlogo(nullptr);
            maler.end();
            for (const auto& [viertel, farbe] : {std::pair{1, orange}, std::pair{3, himmelblau}}) {
                const QRgb p = bild.pixel(mitte, pixel(GY(-1.6) - 50 + band * viertel / 4));
                EXPECT_NEAR(qRed(p), GetRValue(farbe), 8) << viertel << "/4 down the band";
                EXPECT_NEAR(qGreen(p), GetGValue(farbe), 8) << viertel << "/4 down the band";
                EXPECT_NEAR(qBlue(p), GetBValue(farbe), 8) << viertel << "/4 down the band";
            }
        }
}

TEST_F(Kopf, NotePageHasNeitherRemarkNorSecondBlock)
{
    kopfdaten[1] = "||||||Eine Zeile";
    Seite(10201);

    EXPECT_TRUE(Hat("Baumaßnahme"));
    EXPECT_TRUE(Hat("Labor Nord"));
    EXPECT_FALSE(Hat("Bemerkung:"));
    EXPECT_FALSE(Hat("Nachverdichtet"));
    EXPECT_FALSE(HatLinie({GX(-0.16), GY(64.0)}, {GX(30.26), GY(64.0)}));
    EXPECT_FALSE(Hat("Station / Profil"));
    EXPECT_FALSE(Hat("B12-17"));
    EXPECT_FALSE(HatLinie({GX(22.5), GY(5.7)}, {GX(22.5), GY(15.0)}));
    EXPECT_EQ(Nachweis().punkte.at(0), Anker(3, -0.45, 68.1));
    // The note body follows.
    EXPECT_TRUE(Hat("Eine Zeile"));
    EXPECT_TRUE(Hat("Seite 1 von "));
}

TEST_F(Kopf, ProtocolNumberRowFollowsTheSetting)
{
    g_pfade.protokollnrDrucken = false;
    Seite(10002);
    EXPECT_FALSE(Hat("Protokoll Nr."));
    EXPECT_FALSE(Hat("B12-17"));
    EXPECT_TRUE(std::ranges::none_of(dc.Texte(), [](const DCEintrag& e) {
        return e.punkte[0] == Anker(6, 26.0, 7.0) || e.punkte[0] == Anker(3, 26.0, 7.0);
    }));
    EXPECT_EQ(Punkt("Datum"), Anker(3, 23.0, 8.0));
    EXPECT_EQ(Punkt("05.03.2024"), Anker(3, 26.0, 8.0));

    // With the setting on, an empty number still shows the prefix and the dash.
    dc.Leeren();
    g_pfade.protokollnrDrucken = true;
    SetzeWert(8, "");
    Seite(10002);
    EXPECT_EQ(Punkt("B12-"), Anker(3, 26.0, 7.0));
    kopffelder = "Ortsumgehung|||";
    dc.Leeren();
    Seite(10002);
    EXPECT_EQ(Punkt("-"), Anker(3, 26.0, 7.0));
    EXPECT_EQ(druck.ProtNrPraefix, "");
}

TEST_F(Kopf, VonAndBisShowTheirLabelsOnlyWithAValue)
{
    SetzeWert(11, "14:30");
    Seite(10002);
    EXPECT_FALSE(Hat("von"));
    EXPECT_EQ(Punkt("bis"), Anker(3, 23.0, 10.0));
    EXPECT_EQ(Punkt("14:30"), Anker(3, 26.0, 10.0));

    dc.Leeren();
    SetzeWert(10, "08:00");
    SetzeWert(11, "");
    Seite(10002);
    EXPECT_EQ(Punkt("von"), Anker(3, 23.0, 9.0));
    EXPECT_EQ(Punkt("08:00"), Anker(3, 26.0, 9.0));
    EXPECT_FALSE(Hat("bis"));
    // Colon rows on the right: number, date, von.
    EXPECT_EQ(std::ranges::count_if(Texte(":"),
                                    [](const DCEintrag& e) {
                                        return e.punkte[0].x == GX(26.0) &&
                                               e.ausrichtung == (TA_BOTTOM | TA_CENTER);
                                    }),
              3);
}

TEST_F(Kopf, DatesConvertOnlyFromEightDigits)
{
    SetzeWert(9, "1.1.2020");
    Seite(10002);
    EXPECT_EQ(Punkt("1.1.2020"), Anker(3, 26.0, 8.0));
    dc.Leeren();
    SetzeWert(9, "20231231");
    Seite(10002);
    EXPECT_TRUE(Hat("31.12.2023"));
}

TEST_F(Kopf, FooterFontIsArialOnlyForExactlyZero)
{
    Seite(10002);
    EXPECT_EQ(Text("Labor Nord").zustand.schrift, Schrift(10));
    EXPECT_EQ(Text("Fax 0421 124").zustand.schrift, Schrift(10));
    for (const char* schalter : {"1", " 0", "", "00"}) {
        dc.Leeren();
        zusatztext = std::string("Labor Nord|||Fax|") + schalter;
        Seite(10002);
        EXPECT_EQ(Text("Labor Nord").zustand.schrift, Schrift(11)) << schalter;
        EXPECT_EQ(Text("Fax").zustand.schrift, Schrift(11)) << schalter;
    }
    // A footer of fewer fields prints what it has.
    dc.Leeren();
    zusatztext = "Nur eine Zeile";
    Seite(10002);
    EXPECT_EQ(Text("Nur eine Zeile").zustand.schrift, Schrift(11));
}

TEST_F(Kopf, TitleBandRowZeroIsEmptyAndCellsMapToTheirLabels)
{
    kopfdaten[0] = "|a@b@c";
    Seite(10002);
    EXPECT_EQ(Punkt("a"), Anker(3, 5.0, 7.0));
    EXPECT_EQ(Punkt("b"), Anker(3, 5.0, 8.0));
    EXPECT_EQ(Punkt("c"), Anker(3, 5.0, 9.0));
    EXPECT_TRUE(std::ranges::none_of(
        dc.Texte(), [](const DCEintrag& e) { return e.punkte[0] == Anker(3, 0, 16.4); }));
}

TEST_F(Kopf, DispatcherChoosesBodiesByPageCode)
{
    kopfdaten[1] = "W1@W2";
    const auto koerper = [&](int code) {
        dc.Leeren();
        Seite(code);
        if (Hat("Teilversuch Nummer"))
            return std::string("Korndichte");
        if (Hat("Mittelwert:"))
            return std::string("Wassergehalt");
        if (Hat("Seite 1 von ") || Hat("Seite 9 von "))
            return std::string("Notiz");
        if (Hat("Bindemittelzugabe"))
            return std::string("Bindemittel");
        if (Hat("geplante Einbaustärke"))
            return std::string("Bodenaustausch");
        return std::string();
    };
    EXPECT_EQ(koerper(10081), "Korndichte");
    EXPECT_EQ(koerper(27), "Korndichte");
    EXPECT_EQ(koerper(10111), "Wassergehalt");
    EXPECT_EQ(koerper(30), "Wassergehalt");
    EXPECT_EQ(koerper(10091), "Bindemittel");
    EXPECT_EQ(koerper(28), "Bindemittel");
    EXPECT_EQ(koerper(10101), "Bodenaustausch");
    EXPECT_EQ(koerper(29), "Bodenaustausch");
    EXPECT_EQ(koerper(10201), "Notiz");
    EXPECT_EQ(koerper(10209), "Notiz");
    EXPECT_TRUE(Hat("Seite 9 von "));
    // Further pages, table-page codes, a note's tenth page and unknown codes: header only.
    for (int code : {10082, 10112, 10131, 10141, 10151, 10161, 10171, 10210, 10200, 0, 99999}) {
        EXPECT_EQ(koerper(code), "") << code;
        EXPECT_TRUE(Hat("Baumaßnahme")) << code;
        EXPECT_FALSE(Hat("Titel")) << code;
    }
    // A note's tenth page is an ordinary page: remark line and second block.
    koerper(10210);
    EXPECT_TRUE(Hat("Bemerkung:"));
    EXPECT_TRUE(Hat("Bereich / Bauabschnitt"));
}

TEST_F(Kopf, MissingHeaderTextsThrowAfterTheFirstBlock)
{
    // A header-only page needs entry 0 only.
    kopfdaten.resize(1);
    EXPECT_NO_THROW(Seite(10002));

    dc.Leeren();
    EXPECT_THROW(Seite(10111), CInvalidArgException);
    EXPECT_TRUE(Hat("Baumaßnahme"));
    EXPECT_TRUE(Hat("Bereich / Bauabschnitt"));
    EXPECT_FALSE(Hat("Mittelwert:"));

    kopfdaten.resize(2);
    dc.Leeren();
    EXPECT_THROW(Seite(10081), CInvalidArgException);
    EXPECT_FALSE(Hat("Teilversuch Nummer"));

    kopfdaten.clear();
    dc.Leeren();
    EXPECT_THROW(Seite(10002), CInvalidArgException);
    EXPECT_TRUE(Hat("Baumaßnahme"));
    EXPECT_FALSE(Hat("Bereich / Bauabschnitt"));
    dc.Leeren();
    EXPECT_THROW(Seite(10201), CInvalidArgException);
    EXPECT_TRUE(Hat("Baumaßnahme"));
}
