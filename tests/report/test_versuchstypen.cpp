#include "platform/recordingdc.h"
#include "report/versuchstypen.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct Typ
{
    std::function<std::unique_ptr<CVirtVersuch>()> erzeuge;
    const char* kuerzel;
    const char* titel;
    int seitencodeBasis;
};

template <class T, class... Args> std::function<std::unique_ptr<CVirtVersuch>()> Neu(Args... a)
{
    return [=] { return std::make_unique<T>(a...); };
}

const std::vector<Typ>& AlleTypen()
{
    static const std::vector<Typ> typen = {
        {Neu<CV_kornsummenlinie>(), "KV", " Bestimmung der Korngrößenverteilung nach DIN 18123",
         10000},
        {Neu<CV_proctor>(), "PV", " Proctorversuch nach DIN 18127", 10010},
        {Neu<CV_verdichtung>(), "D?",
         "Bestimmung der Dichte des Bodens (Feldversuche) nach DIN 18125 Teil 2", 10020},
        {Neu<CV_lastplatte>(), "LD", " Dynamischer Plattendruckversuch nach TP BF-StB Teil B 8.3",
         10030},
        {Neu<CV_rammsondierung>(), "RS", " Erkundung durch Sondierung nach DIN 4094", 10040},
        {Neu<CV_plattendruck>(), "LP", " Plattendruckversuch nach DIN 18134", 10050},
        {Neu<CV_zustandsgrenzen>(), "ZG", "Zustandsgrenzen nach DIN 18122 Teil 1", 10060},
        {Neu<CV_troxler>(), "DT",
         " Radiometrische Dichtebestimmung des Boden nach TP BF-StB Teil B 4.3", 10070},
        {Neu<CV_korndichte>(), "KD",
         " Bestimmung der Rohdichte mit Pyknometer nach TPMin-StB Teil 3.2.1/2", 10080},
        {Neu<CV_bindemittelmenge>(), "BV", " Empfehlung für die Bindemittelmenge", 10090},
        {Neu<CV_bodenaustauschdicke>(), "BA", " Empfehlung für die Bodenaustauschdicke", 10100},
        {Neu<CV_wassergehalt>(), "WG", " Bestimmung des Wassergehaltes nach DIN 18121", 10110},
        {Neu<CV_lastplatte15kg>(), "L5",
         " Dynamischer Plattendruckversuch nach TP BF-StB Teil B 8.3 (15kg)", 10120},
        {Neu<CV_Glueverlust>(), "GV", "Bestimmung des Glühverlustes nach DIN 18128", 10130},
        {Neu<CV_Sedimentation>(), "SE", "Sedimentation nach DIN 18123-6 (Schlämmanalyse)", 10140},
        {Neu<CV_Terzaghi>(), "FT", "Nachweis der Filterstabilität nach Terzaghi", 10150},
        {Neu<CV_Kalkgehalt>(), "CA", "Bestimmung des Kalkgehaltes nach DIN 18129", 10160},
        {Neu<CV_Wasserdlkb>(2), "WD",
         "Bestimmung des Wasserdurchlässigkeitsbeiwertes nach DIN 18130", 10170},
        {Neu<CV_Grafikmisch>(2), "GP", " Proctorversuche vergleichen", 10180},
        {Neu<CV_Grafikmisch>(0), "GK", " Kornverteilungen vergleichen", 10180},
        {Neu<CV_Grafikmisch>(1), "GK", " Kornverteilungen vergleichen", 10180},
        {Neu<CV_Grafikmisch>(3), "GK", " Kornverteilungen vergleichen", 10180},
        {Neu<CV_Notiz>(), "AN", " Aktennotiz", 10200},
    };
    return typen;
}

TEST(Versuchstypen, EachTypeHasItsCodeTitleAndPageCodes)
{
    for (const Typ& typ : AlleTypen()) {
        SCOPED_TRACE(typ.kuerzel);
        const auto versuch = typ.erzeuge();
        EXPECT_EQ(versuch->Kuerzel, typ.kuerzel);
        EXPECT_EQ(versuch->Titel, typ.titel);
        EXPECT_EQ(versuch->HoleSeitenzahl(), 1);
        EXPECT_EQ(versuch->Seitencode(1), typ.seitencodeBasis + 1);
        EXPECT_EQ(versuch->Seitencode(2), typ.seitencodeBasis + 2);
        EXPECT_EQ(versuch->Seitencode(12), typ.seitencodeBasis);
    }
    CV_Notiz notiz;
    EXPECT_EQ(notiz.Seitencode(9), 10209);
    EXPECT_EQ(notiz.Seitencode(10), 10200) << "a tenth note page is an ordinary page";
}

std::uint32_t Flags(const CPPDruckDaten& raster, int zeile, int spalte)
{
    std::string text;
    std::uint32_t flags = 0;
    raster.GetZellText(text, zeile, spalte, flags);
    return flags;
}

// A cell without a control lets its left neighbour span over it in the table drawer.
TEST(Versuchstypen, TableTypesLayOutTheirGridsFromTheTemplates)
{
    CV_Sedimentation sedimentation;
    ASSERT_EQ(sedimentation.Raster.AnzahlZeilen(), 12);
    EXPECT_EQ(sedimentation.Raster.GetText(4, 0), "Länge Tauchkörper");
    EXPECT_EQ(sedimentation.Raster.GetText(5, 1), "h<t>1<n>-h<t>0");
    EXPECT_EQ(sedimentation.Raster.GetText(7, 1), "<fs>r<fn><t>s");
    EXPECT_EQ(sedimentation.Raster.GetText(9, 5), "Masseanteile");
    EXPECT_EQ(sedimentation.Raster.GetText(11, 9), "[ % ]");

    CV_Terzaghi filter;
    ASSERT_EQ(filter.Raster.AnzahlZeilen(), 12);
    EXPECT_EQ(filter.Raster.GetText(0, 2), "Filter 1 ") << "trailing blanks stay";
    EXPECT_EQ(Flags(filter.Raster, 0, 1), DRUCK_KEINE_ZELLE);
    EXPECT_EQ(filter.Raster.GetText(2, 5), "D-Summe");
    EXPECT_EQ(filter.Raster.GetText(3, 1), "Boden");
    EXPECT_EQ(filter.Raster.GetText(9, 0), "Anzeigen");
    EXPECT_EQ(filter.Raster.GetText(11, 0), "A' = d<t>85<n> * 4");
    EXPECT_EQ(Flags(filter.Raster, 11, 0), 0u) << "captions stand left";
    EXPECT_EQ(Flags(filter.Raster, 11, 3), DRUCK_ZENTRIERT);

    CV_Kalkgehalt kalk;
    ASSERT_EQ(kalk.Raster.AnzahlZeilen(), 14);
    EXPECT_EQ(kalk.Raster.GetText(0, 7), "5");
    EXPECT_EQ(kalk.Raster.GetText(8, 0), "Volumen CO<t>2<n> - Gas (nach 30 s)");
    EXPECT_EQ(Flags(kalk.Raster, 12, 7), DRUCK_ZENTRIERT) << "a value cell";
    EXPECT_EQ(kalk.Raster.GetText(13, 0), "Kalkgehalt ( i.M.)");
    for (int spalte = 4; spalte <= 7; ++spalte)
        EXPECT_EQ(Flags(kalk.Raster, 13, spalte), DRUCK_KEINE_ZELLE) << "the mean spans";

    CV_Wasserdlkb durchlaessigkeit(0);
    ASSERT_EQ(durchlaessigkeit.Raster.AnzahlZeilen(), 11);
    EXPECT_EQ(durchlaessigkeit.Raster.GetText(0, 0), "Kennwerte");
    EXPECT_EQ(Flags(durchlaessigkeit.Raster, 0, 0), DRUCK_FETT);
    EXPECT_EQ(durchlaessigkeit.Raster.GetText(1, 0), "Art der Probenahme");
    EXPECT_EQ(durchlaessigkeit.Raster.GetText(4, 1), "[ g/cm³ ]");
    EXPECT_EQ(Flags(durchlaessigkeit.Raster, 10, 2), DRUCK_ZENTRIERT);
    EXPECT_EQ(Flags(durchlaessigkeit.Raster, 10, 3), DRUCK_KEINE_ZELLE);
}

std::vector<DCEintrag> Gedruckt(CVirtVersuch& versuch, int lokaleSeite)
{
    RecordingDC dc{CFesteTextMetrik()};
    versuch.Drucken(lokaleSeite, &dc, RECT{0, 0, 21000, -29700});
    return dc.Eintraege();
}

bool GleicheSeiten(const std::vector<DCEintrag>& a, const std::vector<DCEintrag>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].art != b[i].art || a[i].punkte != b[i].punkte || a[i].rechteck != b[i].rechteck ||
            a[i].text != b[i].text)
            return false;
    return true;
}

TEST(Versuchstypen, AHighPageNumberPrintsTheHeaderAloneAndNeverAnotherTypesBody)
{
    // Page 21 of a comparison sheet would form 10201, the first note page.
    CV_Grafikmisch vergleich(0);
    vergleich.SetzeFeld(3, 0, "30");
    vergleich.SetzeKopfdaten("Maßnahme||Auftraggeber|NR-", "Fußzeile");
    const auto kopfAllein = Gedruckt(vergleich, 2);
    ASSERT_FALSE(kopfAllein.empty());
    EXPECT_TRUE(GleicheSeiten(Gedruckt(vergleich, 21), kopfAllein));
    EXPECT_TRUE(GleicheSeiten(Gedruckt(vergleich, 10), kopfAllein));

    CV_Notiz notiz;
    notiz.daten_speziell = "{}{}{}{}{Erste Zeile einer Notiz}";
    EXPECT_FALSE(GleicheSeiten(Gedruckt(notiz, 1), Gedruckt(notiz, 10))) << "a note body";

    // A table type repeats its page on every local page; page 31 of a permeability test would
    // form a note code and lose the second header block.
    CV_Wasserdlkb durchlaessigkeit(0);
    durchlaessigkeit.SetzeFeld(3, 0, "40");
    const auto seiteEins = Gedruckt(durchlaessigkeit, 1);
    ASSERT_FALSE(seiteEins.empty());
    EXPECT_TRUE(GleicheSeiten(Gedruckt(durchlaessigkeit, 2), seiteEins));
    EXPECT_TRUE(GleicheSeiten(Gedruckt(durchlaessigkeit, 31), seiteEins));
}

} // namespace
