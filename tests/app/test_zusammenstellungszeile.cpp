// The row text of one measurement for the summary table and the export.
#include "app/zusammenstellungszeile.h"
#include "data/protokoll.h"
#include "data/protokolle.h"
#include "data/textfunktionen.h"
#include "musterbauer.h"
#include "pages/zusammenstellungdruck.h"
#include "platform/recordingdc.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <map>

namespace {

std::vector<std::string> Felder(const std::string& zeile)
{
    std::vector<std::string> felder;
    std::size_t anfang = 0;
    for (std::size_t ende; (ende = zeile.find('|', anfang)) != std::string::npos; anfang = ende + 1)
        felder.push_back(zeile.substr(anfang, ende - anfang));
    EXPECT_EQ(anfang, zeile.size()) << "every field ends in \"|\"";
    return felder;
}

// A density test with header fields that name themselves, and measurement "1" twice.
CProtokoll Dichtepruefung()
{
    CProtokoll protokoll = BaueProtokoll(1002, 3, "0", 2);
    const char* kopf[] = {"Damm Nord",      "0+000",        "Planum", "Achse", "GU*",
                          "Seitenentnahme", "100%s feucht", "",       "00017", "20260412"};
    for (int feld = 0; feld < 10; ++feld)
        protokoll.SetzeFeld(1, feld, kopf[feld]);
    protokoll.SetzePruefunterartKuerzel("DE");
    MESSUNG zweite;
    protokoll.GetMessung(0, zweite);
    zweite.station = "9+999";
    protokoll.FuegeMessungHinzu(zweite);
    return protokoll;
}

} // namespace

TEST(Zusammenstellungszeile, HeaderFieldsMeasurementAndListColumnsInTheirPlaces)
{
    const CProtokoll protokoll = Dichtepruefung();
    MESSUNG erste;
    protokoll.GetMessung(0, erste);
    ASSERT_EQ(erste.lfdNr, "1");

    const std::vector<std::string> felder = Felder(BildeZusammenstellungszeile(protokoll, "1"));
    ASSERT_EQ(felder.size(), 25u);
    const std::vector<std::string> anfang(felder.begin(), felder.begin() + 10);
    // The first measurement "1" in stored order, not the later one with the same number.
    EXPECT_EQ(anfang, (std::vector<std::string>{"00017", "20260412", "Damm Nord", erste.station,
                                                erste.schicht, erste.lage, "GU*", "Seitenentnahme",
                                                "100%s feucht", "DE"}));
    bool einWert = false;
    for (int spalte = 17; spalte <= 31; ++spalte) {
        std::string text;
        protokoll.HoleMessungsSpalteNachIndex(text, spalte, erste);
        EXPECT_EQ(felder[std::size_t(spalte - 7)], text) << "column " << spalte;
        einWert = einWert || !text.empty();
    }
    EXPECT_TRUE(einWert) << "the measured values reach the row";
}

TEST(Zusammenstellungszeile, AnUnknownMeasurementLeavesItsFieldsEmpty)
{
    const CProtokoll protokoll = Dichtepruefung();
    // "11" is no measurement, though "1" is its start.
    const std::vector<std::string> felder = Felder(BildeZusammenstellungszeile(protokoll, "11"));
    ASSERT_EQ(felder.size(), 25u);
    EXPECT_EQ(felder[0], "00017");
    EXPECT_EQ(felder[3], "");
    EXPECT_EQ(felder[4], "");
    EXPECT_EQ(felder[5], "");
    EXPECT_EQ(felder[9], "DE");
}

TEST(Zusammenstellungszeile, RowsFindTheirProtocolAsTheCollectionsSearchDoes)
{
    CProtokolle protokolle;
    protokolle.SetzeMassnahmeWert("massnahme_bezeichnung", "Ortsumgehung");
    protokolle.FuegeHinzu(std::make_unique<CProtokoll>(BaueProtokoll(1002, 1, "0", 3)));
    CProtokoll spaeter = Dichtepruefung();
    spaeter.SetzeID(protokolle.GetProtokoll(0)->GetID());
    protokolle.FuegeHinzu(std::make_unique<CProtokoll>(spaeter));
    const std::string id = spaeter.GetID();

    const CProtokollIndex index(protokolle);
    EXPECT_EQ(index.Finde(id), protokolle.FindeProtokoll(id)) << "the last of one identifier";
    EXPECT_EQ(index.Finde("P999999"), nullptr);

    CZusammenstellungDruck druck;
    // "3" is the earlier protocol's alone: its row, the first of the later one, has none of the
    // measurements the later one was indexed with.
    BereiteZusammenstellungszeilenVor(druck, protokolle,
                                      {{id, "3"}, {id, "1"}, {"P999999", "1"}, {id, "2"}});
    ASSERT_EQ(druck.AnzahlZeilen(), 3);
    EXPECT_EQ(druck.Zeilentext(0), BildeZusammenstellungszeile(spaeter, "3"));
    EXPECT_EQ(druck.Zeilentext(1), BildeZusammenstellungszeile(spaeter, "1"));
    EXPECT_EQ(druck.Zeilentext(2), BildeZusammenstellungszeile(spaeter, "2"));
}

// A large varied job of the synthetic project, some protocols with area and soil names that
// need every kind of break, falls on the same pages with the same fitted texts and heights as
// before the pagination learnt to reuse what it had measured.
TEST(Zusammenstellungszeile, ALargeVariedJobKeepsItsPageBreaksAndFittedTexts)
{
    const char* const schwierig[] = {"Frostschutzschichtmaterial", "AB-Schicht-Unterbau",
                                     "123456789012345", "Sand-Kies-Gemisch-Bodenaustausch",
                                     "Kiessandgemisch Felsbruchsteinschotter"};
    CProtokolle protokolle;
    std::vector<MessungsSchluessel> auswahl;
    int nummer = 0;
    for (CProtokoll& protokoll : BaueGrossesProjekt(420, 8000).protokolle) {
        if (nummer % 7 == 3) {
            protokoll.SetzeFeld(1, 0, schwierig[nummer % 5]);
            protokoll.SetzeFeld(1, 4, schwierig[(nummer + 2) % 5]);
        }
        // Every other protocol's measurements in reverse, as a sorted list may hand them over.
        const int anzahl = protokoll.GetAnzahlMessungen();
        for (int i = 0; i < anzahl; ++i) {
            MESSUNG messung;
            protokoll.GetMessung(nummer % 2 ? anzahl - 1 - i : i, messung);
            auswahl.emplace_back(protokoll.GetID(), messung.lfdNr);
        }
        protokolle.FuegeHinzu(std::make_unique<CProtokoll>(std::move(protokoll)));
        ++nummer;
    }
    CZusammenstellungDruck druck;
    BereiteZusammenstellungszeilenVor(druck, protokolle, auswahl);
    RecordingDC dc;
    const int seiten = druck.Paginiere(&dc);

    std::uint64_t pruefsumme = 14695981039346656037ull; // FNV-1a over every row's outcome
    const auto mische = [&](const std::string& text) {
        for (const char c : text)
            pruefsumme = (pruefsumme ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    };
    std::map<int, int> ersteZeile;
    for (int i = 0; i < druck.AnzahlZeilen(); ++i) {
        mische(druck.Zeilentext(i) + "#" + std::to_string(druck.Zeilenhoehe(i)) + "#" +
               std::to_string(druck.Zeilenseite(i)) + "\n");
        ersteZeile.emplace(druck.Zeilenseite(i), i);
    }
    EXPECT_EQ(seiten, 430);
    EXPECT_EQ(ersteZeile[2], 19);
    EXPECT_EQ(ersteZeile[100], 1852);
    EXPECT_EQ(ersteZeile[430], 7976);
    EXPECT_EQ(pruefsumme, 15165333987061598446ull);
}
