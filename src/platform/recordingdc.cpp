#include "platform/recordingdc.h"

DCEintrag& RecordingDC::Neu(DCPrimitiv art)
{
    DCEintrag& eintrag = m_eintraege.emplace_back();
    eintrag.art = art;
    eintrag.zustand = AktuellerZustand();
    return eintrag;
}

std::vector<DCEintrag> RecordingDC::Texte() const
{
    std::vector<DCEintrag> texte;
    for (const DCEintrag& eintrag : m_eintraege)
        if (eintrag.art == DCPrimitiv::Text)
            texte.push_back(eintrag);
    return texte;
}

void RecordingDC::ZeichneLinienzug(const std::vector<POINT>& punkte)
{
    Neu(DCPrimitiv::Linienzug).punkte = punkte;
}

void RecordingDC::ZeichnePolygon(const std::vector<POINT>& punkte)
{
    Neu(DCPrimitiv::Polygon).punkte = punkte;
}

void RecordingDC::ZeichneRechteck(const RECT& r)
{
    Neu(DCPrimitiv::Rechteck).rechteck = r;
}

void RecordingDC::ZeichneEllipse(const RECT& r)
{
    Neu(DCPrimitiv::Ellipse).rechteck = r;
}

void RecordingDC::FuelleRechteck(const RECT& r, const CBrush& pinsel)
{
    DCEintrag& eintrag = Neu(DCPrimitiv::Flaeche);
    eintrag.rechteck = r;
    eintrag.fuellung = pinsel;
}

void RecordingDC::ZeichneText(const TextAusgabe& ausgabe)
{
    DCEintrag& eintrag = Neu(DCPrimitiv::Text);
    eintrag.punkte = {ausgabe.anker};
    eintrag.text = std::string(ausgabe.text);
    eintrag.ausrichtung = ausgabe.ausrichtung;
    eintrag.breite = ausgabe.breite;
    eintrag.kasten = Textkasten(ausgabe);
    eintrag.ausDrawText = ausgabe.drawTextRechteck.has_value();
    if (ausgabe.drawTextRechteck) {
        eintrag.rechteck = *ausgabe.drawTextRechteck;
        eintrag.format = ausgabe.drawTextFormat;
    }
}

bool RecordingDC::ZeichneBild(const BildAusgabe& ausgabe)
{
    DCEintrag& eintrag = Neu(DCPrimitiv::Bild);
    eintrag.rechteck = ausgabe.ziel;
    eintrag.quelle = ausgabe.quelle;
    eintrag.bildBreite = ausgabe.bildBreite;
    eintrag.bildHoehe = ausgabe.bildHoehe;
    return true;
}
