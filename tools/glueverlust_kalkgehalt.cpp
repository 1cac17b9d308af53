// Loss on ignition of the clay and lime content of a marly clay.

#include "glueverlust_kalkgehalt.h"

#include "kopf_und_messungen.h"
#include "musterwerte.h"
#include "platform/text.h"
#include "tabellendaten.h"

namespace muster {

void FuelleGlueverlust(CProtokoll& protokoll, int nummer, int messungen)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    constexpr int kTiegel = 3;
    const double anteil = 0.025 + 0.02 * Streuwert(nummer, 0, 70);
    std::vector<std::string> tiegel, m1, m2, m3, m4, vgl;
    double summe = 0;
    for (int j = 0; j < kTiegel; ++j) {
        const double leer = Gerundet(28.0 + 6.0 * Streuwert(nummer, j, 71), 3);
        const double probe = 18.0 + 6.0 * Streuwert(nummer, j, 72);
        const double ungeglueht = Gerundet(leer + probe, 3);
        const double verlust = probe * (anteil + 0.004 * (Streuwert(nummer, j, 73) - 0.5));
        const double geglueht = Gerundet(ungeglueht - verlust, 3);
        const double masseverlust = Gerundet(ungeglueht - geglueht, 3);
        const double v = masseverlust / (ungeglueht - leer);
        summe += v;
        tiegel.push_back(StringFormat("T%d", 11 + 3 * j));
        m1.push_back(Text(leer, 3));
        m2.push_back(Text(ungeglueht, 3));
        m3.push_back(Text(geglueht, 3));
        m4.push_back(Text(masseverlust, 3));
        vgl.push_back(Text(v, 4));
    }
    const std::string mittel = Text(summe / kTiegel, 4);
    protokoll.SetzeSpeziellGruppe(
        4, Felder({Unterwerte(tiegel), Unterwerte(m1), Unterwerte(m2), Unterwerte(m3),
                   Unterwerte(m4), Unterwerte(vgl), "", "", "", mittel}));
    SetzeEckdaten(protokoll, {{"Glühverl.", mittel}});
}

void FuelleKalkgehalt(CProtokoll& protokoll, int nummer, int messungen)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    constexpr int kProben = 3;
    // Mass of calcium carbonate per cm³ of carbon dioxide at normal conditions.
    constexpr double kKarbonatJeGas = 100.09 / 22414;
    const double gehalt = 0.12 + 0.10 * Streuwert(nummer, 0, 75);
    std::vector<std::vector<std::string>> zeilen(13);
    double summe = 0;
    for (int j = 0; j < kProben; ++j) {
        const double md = Gerundet(2.0 + 0.5 * Streuwert(nummer, j, 76), 3);
        const double t = Gerundet(19.0 + 2.0 * Streuwert(nummer, j, 77), 1);
        const double p = Gerundet(99.5 + 2.0 * Streuwert(nummer, j, 78), 1);
        // The gas volumes read at the test's temperature and pressure, brought to normal
        // conditions; the calcite has given off its gas after 30 s, the dolomite later.
        const double normierung = p / 101.325 * 273.15 / (273.15 + t);
        const double karbonat = md * (gehalt + 0.006 * (Streuwert(nummer, j, 79) - 0.5));
        const double vg = Gerundet(karbonat / kKarbonatJeGas / normierung, 1);
        const double vgStrich = Gerundet(vg * (0.80 + 0.1 * Streuwert(nummer, j, 80)), 1);
        // The readings, the mass and the conditions are what was measured; what follows from
        // them is computed unrounded.
        const double v0 = vg * normierung;
        const double mCa = v0 * kKarbonatJeGas;
        const double v0Strich = vgStrich * normierung;
        const double mCaStrich = v0Strich * kKarbonatJeGas;
        const double kalzit = mCaStrich / mCa;
        const double prozent = 100 * mCa / md;
        summe += prozent;
        const double werte[] = {md,  t,        p,         vgStrich, vg,         v0,
                                mCa, v0Strich, mCaStrich, kalzit,   1 - kalzit, prozent};
        const int stellen[] = {3, 1, 1, 1, 1, 1, 4, 1, 4, 3, 3, 1};
        for (size_t z = 0; z < std::size(werte); ++z)
            zeilen[z].push_back(Text(werte[z], stellen[z]));
    }
    zeilen[12].push_back(Text(summe / kProben, 1));
    std::vector<std::string> felder;
    for (const auto& zeile : zeilen)
        felder.push_back(Unterwerte(zeile));
    protokoll.SetzeSpeziellGruppe(4, Felder(felder));
    SetzeEckdaten(protokoll, {{"Kalkgehalt", zeilen[12].front() + " %"}});
}

} // namespace muster
