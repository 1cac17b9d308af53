#include "report/textkatalog.h"

#include "data/textfunktionen.h"

namespace {

// Written like the lines of a settings file; two sample entries (firm and project) stand among
// them, which nothing looks up. One entry per line, as written.
// clang-format off
constexpr const char* kStandardTexte[] = {
    "DIN_Plattendruck=      { Plattendruckversuch nach DIN 18134}",
    "DIN_Fallplatte=        { Dynamischer Plattendruckversuch nach TP BF-StB Teil B 8.3}",
    "DIN_Fallplatte15kg=        { Dynamischer Plattendruckversuch nach TP BF-StB Teil B 8.3 (15kg)}",
    "DIN_Kornverteilung=    { Bestimmung der Korngrößenverteilung nach DIN 18123}",
    "DIN_Proctor=           { Proctorversuch nach DIN 18127}",
    "DIN_Verdichtungsgrad=  { Bestimmung der Dichte des Bodens (Feldversuche) nach DIN 18125 Teil 2}",
    "DIN_Troxler=           { Radiometrische Dichtebestimmung des Boden nach TP BF-StB Teil B 4.3}",
    "DIN_Rammsondierung=    { Erkundung durch Sondierung nach DIN 4094}",
    "DIN_Zustandsgrenzen=   { Zustandsgrenzen nach DIN 18122 Teil 1}",
    "DIN_Korndichte=        { Bestimmung der Rohdichte mit Pyknometer nach TPMin-StB Teil 3.2.1/2}",
    "DIN_Bodenverbesserung= { Empfehlung für die Bindemittelzugabe}",
    "DIN_Bodenaustausch=    { Empfehlung für die Bodenaustauschstärke}",
    "DIN_Wassergehalt=      { Bestimmung des Wassergehaltes nach DIN 18121}",
    "FIRMA= {Erdbaulabor Beispiel GmbH|Beispielweg 1|Beispielstadt|01234}",
    "MESSNAHME= {Beispielmaßnahme}",
    "KOPFBLOCK0= {Baumaßnahme}",
    "KOPFBLOCK1= {Bereich / Bauabschnitt|Station / Profil|Schicht / Höhe|Lage zur Achse|Bodenart|Bodenherkunft|Bodenzustand||Protokoll Nr.|Datum|von|bis|Prüfer|Bearbeiter|||}",
    "MASSE_FEUCHT={Feuchtmasse|m|[g]|%.1f}",
    "MASSE_TROCKEN={Trockenmasse|m<t>d|[g]|%.1f}",
    "MASSE_WASSER={Wassermasse|m<t>w|[g]|%.1f}",
    "VOLUMEN={Volumen|V|[cm³]|%.1f}",
    "DURCHMESSER={Durchmesser|d|[cm]|%.1f}",
    "HOEHE={Höhe|h|[cm]|%.1f}",
    "LÄNGE={Höhe|l|[cm]|%.1f}",
    "WASSERGEHALT={Wassergehalt|w|[-]|%.1f}",
    "WASSERGEHALT_KORR={Wassergehalt '|w'|[-]|%.1f}",
    "WASSERGEHALT_PROCTOR={opt. Wassergehalt|w<t>opt|[-]|%.1f}",
    "WASSERGEHALT_PROCTOR_KORR={opt. Wassergehalt '|w<t>opt<fn><n>'|[-]|%.1f}",
    "WASSERGEHALT_n12={w  für na = 12%|w<t>na12|[-]|%.1f}",
    "DICHTE_KORN={Korndichte|<fs>r<fn><t>s|[g/cm³]|%.1f}",
    "DICHTE_PROCTOR={Proctordichte|<fs>r<fn><t>Pr|[g/cm³]|%.1f}",
    "DICHTE_PROCTOR_KORR={Proctordichte '|<fs>r<fn>'<t>Pr|[g/cm³]|%.1f}",
    "DICHTE_FEUCHT={Feuchtdichte|<fs>r<fn><t>f|[g/cm³]|%.1f}",
    "DICHTE_TROCKEN={Trockendichte|<fs>r<fn><t>d|[g/cm³]|%.1f}",
    "DICHTE_TROCKEN_KORR={Trockendichte '|<fs>r<fn>'<t>d|[g/cm³]|%.1f}",
    "ANTEI_POREN_GESAMMT={Porenanteil|n|[-]|%.1f}",
    "ANTEI_POREN_LUFT={Luftporenanteil|na|[-]|%.1f}",
    "ANTEI_POREN_WASSER={Wasserporenanteil|nw|[-]|%.1f}",
    "UEBERKORN_ANTEIL={Überkornanteil|ü|[-]|%.1f}",
    "UEBERKORN_WASSERGEHALT={Wassergehalt ü|wü|[-]|%.1f}",
    "UEBERKORN_DICHTE={Korndichte ü|<fs>r<fn><t>ü|[g/cm³]|%.1f}",
    "PORENZAHL={Porenzahl|e|[-]|%.1f}",
    "SÄTTIGUNGSZAHL={Sättigungszahl|S<t>r|[-]|%.1f}",
    "VERDICHTUNGSGRAD={Verdichtungsgrad|D<t>Pr|[%]|%.1f}",
    "VERDICHTUNGSGRAD_IST={IST|D<t>Pr|[%]|%.1f}",
    "VERDICHTUNGSGRAD_SOLL={SOLL| |[%]|%.1f}",
    "PROCTOR_ZYLINDER_MASSE={Zylindermasse|m<t>z|[g]|%.1f}",
    "PROCTOR_ZYLINDER_DATEN={d<t>1|h<t>1|<fn>V|m<t>1|h<t>2|m<t>2|Schichten|Schläge|Größtkorn|Überkorn}",
    "PROCTOR_ZYLINDER_EINHEITEN={[mm]|[mm]|[cm³]|[g]|[mm]|[g]|[Stk]|[Stk]|[mm]|[%]}",
    "PROCTOR_VERSUCHSNUMMERN={1|2|3|4|5|6|7|8|9|10}",
    "DIA_ACHS_BESCHR_PROCTOR={Trockendichte [g/cm³]|Wassergehalt [-]||}",
    "DIA_ACHS_BESCHR_RAMMSONDE={Schläge für 0,1m Eindringtiefe  N10|Eindringtiefe T [m]||}",
    "DIA_ACHS_BESCHR_KORNVERT={Siebweite [mm]|Durchgangssumme [%]||}",
    "DIA_ACHS_BESCHR_PLATTENDR={Normalspannung [MN/m²]|Setzung [0,01mm]||}",
    "DIA_ACHS_BESCHR_ZUST_1_WL={Schlagzahl N [Stk]|Wassergehalt [-]||}",
    "DIA_ACHS_BESCHR_ZUST_2_WP={Wassergehalt [-]|||}",
    "DIA_ACHS_BESCHR_ZUST_3_IC={Konsistenzzahl [-]|||}",
    "DIA_ACHS_BESCHR_ZUST_4_IP={Fließgrenze wl[%]|Plastizitätszahl Ip[%]||}",
    "DIA_ACHS_BESCHR_WASSDLK={Wasserdurchlässigkeits-|beiwert [ m/s ]|Zeit [ h ]}",
};
// clang-format on

} // namespace

bool CTextKatalog::LadeStandardTexte()
{
    for (const char* eintrag : kStandardTexte)
        LadeEintrag(eintrag);
    return true;
}

void CTextKatalog::LadeEintrag(std::string_view eintrag)
{
    if (eintrag.starts_with(';'))
        return;
    const std::string schluessel(eintrag.substr(0, eintrag.find('=')));
    if (schluessel.empty())
        return;
    const size_t auf = eintrag.find('{');
    if (auf == std::string_view::npos)
        return;
    const size_t zu = eintrag.find('}', auf + 1);
    if (zu == std::string_view::npos || zu == auf + 1)
        return;
    m_texte[schluessel] = std::string(eintrag.substr(auf + 1, zu - auf - 1));
}

std::string CTextKatalog::HoleText(const std::string& schluessel, int n) const
{
    const auto it = m_texte.find(schluessel);
    if (it == m_texte.end())
        return "FEHLER";
    return StringHoleToken(it->second, "|", n);
}
