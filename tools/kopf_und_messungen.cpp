// Header and measurements: where and when a protocol's test stands, and its test points.

#include "kopf_und_messungen.h"

#include "arbeitstage.h"
#include "data/markup.h"
#include "data/textfunktionen.h"
#include "musterwerte.h"
#include "platform/text.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace muster {

namespace {

const std::array<const char*, 5> kLagen = {"Achse", "links 2,5 m", "rechts 2,5 m", "links 5,0 m",
                                           "rechts 4,0 m"};
const std::array<const char*, 3> kPruefer = {"K. Brenner", "S. Lindholm", "M. Ortwein"};

} // namespace

// The number of the protocol `nummer` of a project: running number and test code.
std::string Protokollnummer(int nummer, const std::string& kuerzel)
{
    return StringFormat("%05d%s", nummer + 1, kuerzel.c_str());
}

// A protocol number as another protocol of the project cites it, and as the report and the lists
// print it: with the prefix.
std::string Protokollverweis(const std::string& protokollnummer)
{
    return std::string(kNummernPraefix) + "-" + protokollnummer;
}

// Where a test of the given type stands when no plan places it: on a profile of its layer's
// stretch, leaving room for ten test points.
Ort StandardOrt(int pruefart, int nummer, const Schicht* schicht)
{
    Ort ort;
    ort.datum = Arbeitstag(nummer * 3);
    if (schicht == nullptr)
        return ort;
    const Strecke& strecke = StreckeDer(*schicht);
    const double raum = std::max(strecke.bis - strecke.von - 9 * kProfilabstand, kProfilabstand);
    ort.schicht = schicht;
    ort.station =
        strecke.von + kProfilabstand * std::floor(std::fmod(nummer * 37.13, raum) / kProfilabstand);
    ort.lage = Auswahl(kLagen, nummer + pruefart, 3);
    return ort;
}

void SetzeBoden(CProtokoll& protokoll, const Boden& boden)
{
    protokoll.SetzeFeld(1, 4, boden.gruppe);
    protokoll.SetzeFeld(1, 5, boden.herkunft);
    protokoll.SetzeFeld(1, 6, boden.zustand);
}

// Group 1 of the general data text, the protocol's header record: area, station, layer,
// position and soil from the place, number, date and staff.
void SetzeKopfsatz(CProtokoll& protokoll, int nummer, const std::string& protokollnummer,
                   const Ort& ort)
{
    if (ort.schicht) {
        protokoll.SetzeFeld(1, 0, BereichBei(ort.station));
        protokoll.SetzeFeld(1, 1, Station(ort.station));
        protokoll.SetzeFeld(1, 2, ort.schicht->name);
        protokoll.SetzeFeld(1, 3, ort.lage);
        SetzeBoden(protokoll, *ort.schicht->boden);
    }
    protokoll.SetzeFeld(1, 8, protokollnummer);
    protokoll.SetzeFeld(1, 9, ort.datum);
    protokoll.SetzeFeld(1, 12, Auswahl(kPruefer, nummer, 7));
    protokoll.SetzeFeld(1, 13, Auswahl(kPruefer, nummer, 8));
}

namespace {

std::string Uhrzeit(int minuten)
{
    return StringFormat("%02d:%02d", minuten / 60, minuten % 60);
}

// A crew tests ten points a day at most; a test on site has one at least.
constexpr int kPunkteJeTag = 10;

} // namespace

// Fields 10 and 11 of the header: from and to.
void SetzePruefzeit(CProtokoll& protokoll, int nummer, const Feldzeit& zeit)
{
    const int beginn = 60 * (7 + nummer % 4) + nummer * 15 % 60;
    const int punkte = std::clamp(protokoll.GetAnzahlMessungen(), 1, kPunkteJeTag);
    protokoll.SetzeFeld(1, 10, Uhrzeit(beginn));
    protokoll.SetzeFeld(1, 11, Uhrzeit(beginn + zeit.ruesten + punkte * zeit.jePunkt));
}

// The layer the header names.
const Schicht& SchichtDes(const CProtokoll& protokoll)
{
    const Schicht* schicht = SchichtNamens(protokoll.HoleFeld(1, 2));
    return schicht ? *schicht : kDamm;
}

// The remark the report prints (group 2), and the header's field 7, which the details pane
// shows: the sibling program keeps both alike.
void SetzeBemerkung(CProtokoll& protokoll, const std::string& bemerkung)
{
    protokoll.SetzeFeld(2, 1, bemerkung);
    protokoll.SetzeFeld(1, 7, bemerkung);
}

// The data text of a measurement: "[KEY|value]" for each value that the lists show.
std::string Messdaten(const std::vector<std::pair<std::string, std::string>>& werte)
{
    std::string daten;
    for (const auto& [schluessel, wert] : werte)
        daten += "[" + schluessel + "|" + wert + "]";
    return daten;
}

// The key data of the details pane: names and values in turn, joined by "_", which neither may
// hold.
void SetzeEckdaten(CProtokoll& protokoll,
                   const std::vector<std::pair<std::string, std::string>>& eckdaten)
{
    std::string block;
    for (const auto& [name, wert] : eckdaten)
        block += (block.empty() ? "" : "_") + name + "_" + wert;
    protokoll.SetzeSpeziellGruppe(6, block);
}

// A measurement at the protocol's test point `i` with the given data text. The first point is the
// place the header names; the others stand on the following profiles along the header's layer,
// each at another position. The header must be set first; a protocol without a place
// has measurements without one.
MESSUNG NeueMessung(const CProtokoll& protokoll, int i, std::string daten)
{
    MESSUNG messung;
    messung.lfdNr = std::to_string(i + 1);
    messung.lfdNrWert = i + 1;
    messung.daten = std::move(daten);
    const std::string station = protokoll.HoleFeld(1, 1);
    if (station.empty())
        return messung;
    const std::string lage = protokoll.HoleFeld(1, 3);
    const size_t erste = std::ranges::find(kLagen, lage) - kLagen.begin();
    messung.station = i == 0 ? station : Station(Meter(station) + i * kProfilabstand);
    messung.schicht = protokoll.HoleFeld(1, 2);
    messung.lage = i == 0 ? lage : kLagen[(erste + i) % kLagen.size()];
    return messung;
}

Pruefpunkte Pruefstellen(const CProtokoll& protokoll, int anzahl)
{
    Pruefpunkte punkte;
    for (int i = 0; i < anzahl; ++i)
        punkte.stellen.push_back(NeueMessung(protokoll, i, ""));
    return punkte;
}

// Measurements without values of their own: the lists take the protocol's results, which its
// report prints, or show none.
void FuegeMessungenHinzu(CProtokoll& protokoll, int, int anzahl)
{
    for (int i = 0; i < anzahl; ++i)
        protokoll.FuegeMessungHinzu(NeueMessung(protokoll, i, ""));
}

// The protocol has no setter of its sub-type number: it is set on the written XML and read back.
void SetzeUnterart(CProtokoll& protokoll, int unterart)
{
    CMarkup xml;
    xml.SetzeDokument(protokoll.SchreibeXML());
    xml.FindeElement("protokoll");
    xml.SetzeAttributZahl("pruefart_VER", unterart);
    protokoll.LeseXML(xml.HoleDokument());
}

// A test point's station and profile, as the pages with several points print them.
std::string StationUndProfil(const std::string& station)
{
    return station + StringFormat("#CRLF#Profil %d", Profil(Meter(station)));
}

// A test point's layer and, below it, the lift of a fill, which the date tells, or the height of
// a surface.
std::string SchichtUndHoehe(const CProtokoll& protokoll, const MESSUNG& stelle)
{
    const Schicht& schicht = SchichtDes(protokoll);
    return stelle.schicht +
           (schicht.lagen ? StringFormat("#CRLF#%d. Lage", LageAm(protokoll.HolePruefdatumRoh()))
                          : "#CRLF#" + HoeheText(Hoehe(schicht, Meter(stelle.station))));
}

// Key data of a protocol of several test points: the least and the greatest of the quantity's
// printed values at its points and the one required, each with the unit.
void SetzeSpannenEckdaten(CProtokoll& protokoll, const std::string& groesse,
                          const std::vector<std::string>& werte, const std::string& soll,
                          const std::string& einheit)
{
    const auto [kleinster, groesster] = std::ranges::minmax_element(
        werte, {}, [](const std::string& wert) { return StringZuDoubleC(wert.c_str()); });
    SetzeEckdaten(protokoll, {{groesse + " min", *kleinster + einheit},
                              {groesse + " max", *groesster + einheit},
                              {groesse + " SOLL", soll + einheit}});
}

} // namespace muster
