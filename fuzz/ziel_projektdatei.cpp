// The project file loader end to end: the input as a project file, loaded into the protocol
// collection, then everything the lists, the caption and the reports read from it.

#include "data/protokolle.h"
#include "data/zusammenstellungsspalten.h"
#include "fuzzumgebung.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    RichteFuzzUmgebungEin();
    return 0;
}

namespace {

void LeseProtokoll(const CProtokolle& protokolle, const CProtokoll& protokoll)
{
    protokolle.BildeTitelPfad(protokoll.GetTitelID());
    protokoll.HoleProtokollnummer();
    protokoll.HolePruefdatum();
    protokoll.HoleKopfblock();
    protokoll.BildeUebersichtszeile();
    for (int feld = 0; feld < 12; ++feld)
        protokoll.HoleFeld(1, feld);
    Spaltentextzeile worte;
    protokoll.KopiereSpaltentexte(worte);
    MESSUNG messung;
    for (int i = 0; i < protokoll.GetAnzahlMessungen(); ++i) {
        protokoll.GetMessung(i, messung);
        std::string text;
        for (int spalte = 0; spalte < 20; ++spalte)
            protokoll.HoleMessungsSpalteNachIndex(text, spalte, messung);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    CProtokolle protokolle;
    protokolle.LadeMassnahme(SchreibeFuzzDatei(daten, groesse));
    for (const char* schluessel :
         {"massnahme_ID", "massnahme_bezeichnung", "massnahme_protNrPraefix",
          "massnahme_auftraggeber", "massnahme_fusstext", "massnahme_unterschrift",
          "massnahme_pfad", "massnahme_dateiname", "massnahme_dateipfad", "metameta"})
        protokolle.HoleMassnahmeWert(schluessel);
    protokolle.HoleGewaehltenTiteleintrag();
    for (int i = 0; i < protokolle.GetAnzahl(); ++i)
        LeseProtokoll(protokolle, *protokolle.GetProtokoll(i));
    return 0;
}
