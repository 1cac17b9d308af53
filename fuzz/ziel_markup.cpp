// The XML document class: the input parsed as a document, then walked element by element as the
// readers walk it, with every read of the current element and its child.

#include "data/markup.h"
#include "fuzzumgebung.h"

#include <array>

namespace {

// Every attribute of the main element and of the current child, by the names the element holds
// and by a name it does not.
void LeseAttribute(const CMarkup& xml)
{
    std::array<std::string, 3> namen;
    for (int n = 0; n < 3; ++n) {
        namen[n] = xml.HoleAttributName(n);
        xml.HoleAttribut(namen[n]);
        xml.HoleKindAttribut(namen[n]);
    }
    xml.HoleAttribut("ID");
    const std::array<std::string_view, 3> sichten = {namen[0], namen[1], "pruefart_ID"};
    std::array<size_t, 3> enden{};
    std::string werte;
    xml.HaengeKindAttributeAn(sichten, werte, enden);
    xml.HaengeKindDatenAn(werte);
}

// Depth first through the whole document; the parse has already bounded the depth by the text.
void Durchlaufe(CMarkup& xml)
{
    int tiefe = 0;
    while (true) {
        if (xml.FindeKindElement()) {
            xml.HoleKindDaten();
            xml.HoleKindUnterdokument();
            LeseAttribute(xml);
            int anfang = 0;
            int ende = 0;
            xml.HoleElementBereich(anfang, ende);
            // Into the child, else on to its next sibling.
            if (xml.BetreteElement())
                ++tiefe;
            continue;
        }
        if (tiefe == 0 || !xml.VerlasseElement())
            return;
        --tiefe;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    FuzzEingabe eingabe(daten, groesse);
    // A name to look for first, then the document.
    const std::string name = eingabe.Text();
    const std::string text = eingabe.Rest();
    CMarkup xml;
    if (!xml.SetzeDokument(text))
        return 0;
    xml.BaueDiagnoseliste();
    CMarkup kopie = xml;
    if (xml.FindeElement(name)) {
        xml.SpeicherePosition("gefunden");
        LeseAttribute(xml);
        Durchlaufe(xml);
        xml.StellePositionWiederHer("gefunden");
        xml.FindeKindElement(name);
        xml.HoleKindDaten();
    }
    if (kopie.FindeElement()) {
        LeseAttribute(kopie);
        Durchlaufe(kopie);
    }
    return 0;
}
