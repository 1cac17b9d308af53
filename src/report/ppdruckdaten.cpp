#include "report/ppdruckdaten.h"

#include "data/textfunktionen.h"

#include <algorithm>

CPPString* CPPDruckDaten::GetZelle(int zeile, int spalte)
{
    if (zeile < 0 || spalte < 0 || spalte >= kPPSpalten || zeile >= AnzahlZeilen())
        return nullptr;
    return &m_zeilen[static_cast<size_t>(zeile)][static_cast<size_t>(spalte)];
}

const CPPString* CPPDruckDaten::GetZelle(int zeile, int spalte) const
{
    return const_cast<CPPDruckDaten*>(this)->GetZelle(zeile, spalte);
}

void CPPDruckDaten::GetZellText(std::string& text, int zeile, int spalte,
                                std::uint32_t& flags) const
{
    if (const CPPString* zelle = GetZelle(zeile, spalte)) {
        flags = zelle->flags;
        text = zelle->text;
    } else {
        flags = DRUCK_KEINE_ZELLE;
        text.clear();
    }
}

void CPPDruckDaten::SetzeText(int zeile, int spalte, const std::string& text)
{
    if (CPPString* zelle = GetZelle(zeile, spalte))
        zelle->text = text;
}

void CPPDruckDaten::SetzeTextWennFrei(int zeile, int spalte, const std::string& text)
{
    CPPString* zelle = GetZelle(zeile, spalte);
    if (zelle && !(zelle->flags & DRUCK_KEINE_ZELLE))
        zelle->text = text;
}

void CPPDruckDaten::SetzeFlags(int zeile, int spalte, std::uint32_t bits)
{
    if (CPPString* zelle = GetZelle(zeile, spalte))
        zelle->flags |= bits;
}

void CPPDruckDaten::UebernehmeDruckDaten(int zielZeile, int zielSpalte, int zeilen, int spalten,
                                         const CDruckDaten& quelle, int quelleZeile)
{
    for (int i = 0; i < zeilen; ++i) {
        const std::string zeilenText = quelle.GetZeile(quelleZeile + i);
        const int felder = std::min(spalten, StringZaehleFelderZeichen(zeilenText, '@'));
        for (int j = 0; j < felder; ++j)
            SetzeTextWennFrei(zielZeile + i, zielSpalte + j, StringHoleFeld(zeilenText, '@', j));
    }
}

void CPPDruckDaten::LadeZeileAusVorlage(DialogVorlage vorlage, int ersteId, int n)
{
    CPPStringArray zeile;
    LeseVorlagenZeile(zeile, vorlage, ersteId, n);
    m_zeilen.push_back(zeile);
}

void CPPDruckDaten::LadeZeilenAusVorlage(DialogVorlage vorlage, int ersteId, int spalten,
                                         int zeilen)
{
    for (int r = 0; r < zeilen; ++r)
        LadeZeileAusVorlage(vorlage, ersteId + 100 * r, spalten);
}

bool LeseVorlagenElement(DialogVorlage vorlage, int id, CPPString& zelle)
{
    zelle = CPPString{};
    VorlagenElement element;
    // A control whose caption is a resource number has no text to print.
    if (!LeseDialogElement(vorlage, id, element) || element.titelNummer)
        return false;
    zelle.text = element.text;
    zelle.style = element.style;
    zelle.exStyle = element.exStyle;
    zelle.cx = static_cast<std::uint32_t>(element.cx);
    zelle.cy = static_cast<std::uint32_t>(element.cy);
    if (element.style & SS_CENTER)
        zelle.flags |= DRUCK_ZENTRIERT;
    if (element.style & SS_RIGHT)
        zelle.flags |= DRUCK_RECHTS;
    return true;
}

void LeseVorlagenZeile(CPPStringArray& zeile, DialogVorlage vorlage, int ersteId, int n)
{
    const int gelesen = std::clamp(n, 0, kPPSpalten);
    for (int k = 0; k < kPPSpalten; ++k) {
        CPPString& zelle = zeile[static_cast<size_t>(k)];
        zelle = CPPString{};
        if (k >= gelesen)
            continue;
        if (LeseVorlagenElement(vorlage, ersteId + k, zelle))
            zelle.text.erase(0, zelle.text.find_first_not_of(' '));
        else
            zelle.flags = DRUCK_KEINE_ZELLE;
    }
}
