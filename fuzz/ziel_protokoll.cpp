// The protocol record reader: the input read as one protocol record by the text reader, which
// takes a record laid out as the writers lay it out and leaves any other to the document, and by
// the document alone. Both must give the same protocol, field by field.

#include "data/markup.h"
#include "data/protokoll.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

template <typename T> void Vergleiche(const char* feld, const T& schnell, const T& dokument)
{
    if (schnell == dokument)
        return;
    std::fprintf(stderr, "Textleser und Dokument lesen %s verschieden\n", feld);
    std::abort();
}

void VergleicheMessungen(const CProtokoll& schnell, const CProtokoll& dokument)
{
    Vergleiche("die Zahl der Messungen", schnell.GetAnzahlMessungen(),
               dokument.GetAnzahlMessungen());
    MESSUNG a, b;
    for (int i = 0; i < schnell.GetAnzahlMessungen(); ++i) {
        schnell.GetMessung(i, a);
        dokument.GetMessung(i, b);
        Vergleiche("lfdNr", a.lfdNr, b.lfdNr);
        Vergleiche("den Wert von lfdNr", a.lfdNrWert, b.lfdNrWert);
        Vergleiche("station", a.station, b.station);
        Vergleiche("schicht", a.schicht, b.schicht);
        Vergleiche("lage", a.lage, b.lage);
        Vergleiche("die Messdaten", a.daten, b.daten);
    }
}

void VergleicheProtokolle(const CProtokoll& schnell, const CProtokoll& dokument)
{
    Vergleiche("version", schnell.GetVersion(), dokument.GetVersion());
    Vergleiche("ID", schnell.GetID(), dokument.GetID());
    Vergleiche("titel_ID", schnell.GetTitelID(), dokument.GetTitelID());
    Vergleiche("pruefart_ID", schnell.GetPruefartID(), dokument.GetPruefartID());
    Vergleiche("die Prüfart", schnell.GetPruefart(), dokument.GetPruefart());
    Vergleiche("pruefart_VER", schnell.GetPruefartVER(), dokument.GetPruefartVER());
    Vergleiche("pruefunterartKuerzel", schnell.GetPruefunterartKuerzel(),
               dokument.GetPruefunterartKuerzel());
    Vergleiche("die Listenart", schnell.GetArtIndex(), dokument.GetArtIndex());
    Vergleiche("daten_allgemein", schnell.GetDatenAllgemein(), dokument.GetDatenAllgemein());
    Vergleiche("daten_speziell", schnell.GetDatenSpeziell(), dokument.GetDatenSpeziell());
    VergleicheMessungen(schnell, dokument);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    CProtokoll schnell;
    const bool schnellGelesen = schnell.LeseXML(text);

    CMarkup xml;
    xml.SetzeDokumentAnsicht(text);
    CProtokoll dokument;
    const bool dokumentGelesen = dokument.LeseXML(xml);

    Vergleiche("das Ergebnis", schnellGelesen, dokumentGelesen);
    VergleicheProtokolle(schnell, dokument);
    return 0;
}
