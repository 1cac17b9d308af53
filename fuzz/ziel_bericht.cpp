// Report rendering: one protocol of the sample project, chosen by the first byte, with its two
// data texts taken from the input, printed page by page on the recording device context as its
// test report and as the summary table of its measurements.

#include "app/protokolldruckauftrag.h"
#include "data/protokolle.h"
#include "fuzzumgebung.h"
#include "musterbauer.h"
#include "pages/seitenlogo.h"
#include "platform/recordingdc.h"
#include "report/dib.h"

#include <sstream>

namespace {

const MusterProjekt& Muster()
{
    static const MusterProjekt projekt = BaueMusterprojekt();
    return projekt;
}

// A small 8-bit logo, so that the page header paints one.
void SetzeKleinesLogo()
{
    static CDib logo;
    std::string datei = "BM";
    const auto wort = [&datei](uint32_t wert, int bytes) {
        for (int i = 0; i < bytes; ++i)
            datei.push_back(static_cast<char>(wert >> (8 * i)));
    };
    wort(14 + 40 + 8 + 8, 4);
    wort(0, 4);
    wort(14 + 40 + 8, 4);
    for (const uint32_t wert : {40u, 2u, 2u})
        wort(wert, 4);
    wort(1, 2);
    wort(8, 2);
    for (const uint32_t wert : {0u, 8u, 2835u, 2835u, 2u, 0u})
        wort(wert, 4);
    wort(0x00000000, 4);
    wort(0x00FF8000, 4);
    wort(0x00000100, 4);
    wort(0x00000001, 4);
    std::istringstream strom(datei);
    logo.Lese(strom);
    SetzeSeitenlogo(&logo);
}

void DruckeAlleSeiten(CProtokolldruckAuftrag& auftrag)
{
    RecordingDC dc;
    for (int seite = 1; seite <= auftrag.GetSeitenzahl(); ++seite) {
        auftrag.DruckeSeite(seite, dc);
        dc.Leeren();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    RichteFuzzUmgebungEin();
    Muster();
    SetzeKleinesLogo();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    FuzzEingabe eingabe(daten, groesse);
    const std::vector<CProtokoll>& muster = Muster().protokolle;
    auto protokoll = std::make_unique<CProtokoll>(muster[eingabe.Byte() % muster.size()]);
    const std::string allgemein = eingabe.Text();
    const std::string speziell = eingabe.Text();
    protokoll->SetzeDatentexte(allgemein, speziell);

    CProtokolle protokolle;
    for (const auto& [tag, wert] : Muster().metadaten)
        protokolle.SetzeMassnahmeWert("massnahme_" + tag, wert);
    const std::string id = protokoll->GetID();
    std::vector<MessungsSchluessel> messungen;
    MESSUNG messung;
    for (int i = 0; i < protokoll->GetAnzahlMessungen(); ++i) {
        protokoll->GetMessung(i, messung);
        messungen.emplace_back(id, messung.lfdNr);
    }
    protokolle.FuegeHinzu(std::move(protokoll));

    // An A4 sheet with a 5 mm unprintable margin.
    CProtokolldruckAuftrag auftrag;
    auftrag.SetzeSeitenrechteck(BildeSeitenrechteck({500, 500, 200, 287}));
    auftrag.BereiteProtokolldruckVor(protokolle, {id});
    DruckeAlleSeiten(auftrag);
    auftrag.BereiteZusammenstellungVor(protokolle, messungen);
    DruckeAlleSeiten(auftrag);
    return 0;
}
