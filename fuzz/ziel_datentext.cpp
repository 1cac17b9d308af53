// The data texts of a protocol and the text, number and date helpers they are read with: two
// data texts, then a run of operations, each one byte choosing what to call and bytes for its
// group, field and sub-field, with the texts that follow as values.

#include "data/textfunktionen.h"
#include "data/versuchdata.h"
#include "fuzzumgebung.h"

#include <algorithm>
#include <cstdlib>

namespace {

// What a writer stores for a value: braces, bars and at signs are escaped.
std::string Gespeichert(std::string wert)
{
    for (char& c : wert) {
        if (c == '{')
            c = '(';
        else if (c == '}')
            c = ')';
        else if (c == '|' || c == '@')
            c = '#';
    }
    return wert;
}

// Groups that neither nest nor stay open: the texts the writers make.
bool Wohlgeformt(const std::string& text)
{
    bool offen = false;
    for (const char c : text) {
        if ((c == '{' && offen) || (c == '}' && !offen))
            return false;
        if (c == '{' || c == '}')
            offen = !offen;
    }
    return !offen;
}

// A value read back from where a writer has just put it into a well-formed text must be what the
// writer stored.
void PruefeGeschrieben(const std::string& vorher, const std::string& gelesen,
                       const std::string& erwartet)
{
    if (Wohlgeformt(vorher) && gelesen != erwartet)
        std::abort();
}

// The readers of whole records.
void LeseBloecke(const CVersuchData& daten)
{
    daten.HoleSpeziellBlock4();
    daten.HoleSpeziellBlock5();
    daten.HoleKopfblock();
    daten.HoleProtokollnummer();
    daten.HolePruefdatum();
}

void LeseDatentexte(const CVersuchData& daten, int gruppe, int feld, int unterfeld)
{
    daten.HoleFeld(gruppe, feld);
    daten.HoleFeldSpeziell(gruppe, feld);
    daten.HoleUnterfeld(gruppe, feld, unterfeld);
    daten.HoleFeldSpeziellKlartext(gruppe, feld);
    daten.HoleSpeziellBlock(gruppe);
}

void SchreibeDatentexte(CVersuchData& daten, int art, int gruppe, int feld, int unterfeld,
                        const std::string& wert)
{
    const bool gueltig = gruppe >= 0 && gruppe < CVersuchData::AnzahlGruppen && feld >= 0;
    const std::string allgemein = daten.daten_allgemein;
    const std::string speziell = daten.daten_speziell;
    switch (art) {
    case 0:
        if (daten.SetzeFeld(gruppe, feld, wert) != gueltig)
            std::abort();
        if (gueltig)
            PruefeGeschrieben(allgemein, daten.HoleFeld(gruppe, feld), Gespeichert(wert));
        break;
    case 1:
        if (daten.SetzeFeldSpeziell(gruppe, feld, wert) != gueltig)
            std::abort();
        if (gueltig)
            PruefeGeschrieben(speziell, daten.HoleFeldSpeziell(gruppe, feld), Gespeichert(wert));
        break;
    case 2:
        daten.SetzeFeldSpeziell(gruppe, feld, wert, true);
        break;
    case 3:
        daten.SetzeFeldSpeziellMitUnterfeldern(gruppe, feld, wert);
        break;
    case 4:
        daten.SetzeUnterfeld(gruppe, feld, unterfeld, wert);
        break;
    case 5:
        daten.SetzeProtokollnummer(wert);
        break;
    default:
        daten.SetzeSpeziellGruppe(gruppe, wert);
        break;
    }
}

// The helpers on one text, with indices and positions around its length.
void Hilfen(std::string text, const std::string& wert, int n, int m, int position)
{
    int laenge = 0;
    StringSucheFeldImPuffer(text.c_str(), std::min(position, static_cast<int>(text.size())), '|', n,
                            laenge);
    StringSucheFeld(text, '|', n, laenge);
    StringHoleFeld(text, '|', n);
    StringHoleFeldAt(text, n);
    StringHoleToken(text, wert, n);
    std::string feld;
    for (const char* rest = StringHoleFeldZeichenRest(text.c_str(), '@', n, feld); rest != nullptr;
         rest = StringNaechstesFeld('@', rest, feld)) {
    }
    StringHoleUnterfeld(text, n, m);
    StringHoleGruppenfeld(text, n, m);
    StringHoleZwischen(text, '{', '}', n);
    StringZaehleFelder(text, wert);
    StringZaehleFelderZeichen(text, '|');
    StringFindeZeichenOhneGrossKlein(text, wert.empty() ? 'a' : wert[0], position);
    StringFindeOhneGrossKlein(text, wert, position);
    StringFindeRueckwaerts(text, wert, position);
    StringFindeRueckwaertsOhneGrossKlein(text, wert, position);
    StringFindeZeichenRueckwaerts(text, '|', position);
    StringMitErsetzung(text, wert, "#");
    StringGetrimmt(text);
    StringTrennerZuPunkt(text);
    const double zahl = StringZuDouble(text);
    StringAusDoubleMitNachkomma(zahl, m % 12 - 1);
    StringAusDoubleG3(zahl);
    StringAusDoubleE3Kurz(zahl);
    StringAusDoubleE2Kurz(zahl);
    StringAlsHex(wert);
    StringDatumJJJJMMTTZuTTMMJJJJ(text);
    BildeZahlSchluessel(text);
    StringZahlNormieren(text, m % 8);

    std::string zeit = text;
    StringZeitHMSZuSekunden(zeit);
    SYSTEMTIME systemzeit;
    zeit = text;
    StringZeitHMZuSystemzeit(zeit, systemzeit);
    zeit = text;
    StringDatumTMJZuSystemzeit(zeit, systemzeit);

    std::string geaendert = text;
    StringSetzeFeld(geaendert, '|', n, wert);
    geaendert = text;
    StringSetzeGruppenfeld(geaendert, '{', '}', n, wert);
    geaendert = text;
    StringEinfuegen(geaendert, position, wert);
    StringLoeschen(geaendert, position, m - 2);
    StringErsetzeAn(geaendert, position, m - 2, wert);
    StringSucheErsetze(text, wert, "|", (m & 1) != 0);
    StringSucheErsetzeOhneGrossKlein(text, wert, "@", (m & 2) != 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    FuzzEingabe eingabe(daten, groesse);
    CVersuchData datentexte;
    datentexte.daten_allgemein = eingabe.Text();
    datentexte.daten_speziell = eingabe.Text();
    const int n = eingabe.Zahl(-2, 40);
    const int m = eingabe.Zahl(-2, 12);
    const int position = eingabe.Zahl(-40, 4);
    for (const std::string* text : {&datentexte.daten_allgemein, &datentexte.daten_speziell})
        Hilfen(*text, "|", n, m, static_cast<int>(text->size()) + position);
    // Indices a little beyond what records hold, and negative ones.
    for (int schritt = 0; schritt < 8 && !eingabe.Leer(); ++schritt) {
        const int art = eingabe.Zahl(0, 7);
        const int gruppe = eingabe.Zahl(-2, 22);
        const int feld = eingabe.Zahl(-2, 40);
        const int unterfeld = eingabe.Zahl(-2, 12);
        const std::string wert = eingabe.Text();
        LeseDatentexte(datentexte, gruppe, feld, unterfeld);
        if (art < 7)
            SchreibeDatentexte(datentexte, art, gruppe, feld, unterfeld, wert);
        Hilfen(wert, datentexte.HoleFeld(gruppe, feld), feld, unterfeld,
               static_cast<int>(wert.size()) + position);
    }
    LeseBloecke(datentexte);
    return 0;
}
