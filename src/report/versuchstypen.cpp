#include "report/versuchstypen.h"

#include "report/druckvorlagen.h"
#include "report/protokolldruck.h"

void CStandardVersuch::Drucken(int lokaleSeite, CDC* dc, RECT seite)
{
    DruckeStandardseite(dc, seite, Seitencode(lokaleSeite));
}

void CTabellenVersuch::Drucken(int lokaleSeite, CDC* dc, RECT seite)
{
    CProtokollDruck drucker;
    std::vector<std::string> kopfdaten;
    DruckeKopf(dc, seite, Seitencode(lokaleSeite), &drucker, &kopfdaten);
    const std::string& tabelle = KopfdatenEintrag(kopfdaten, 1);
    const std::string& diagramm = KopfdatenEintrag(kopfdaten, 2);
    if (dc != nullptr)
        DruckeSeitenkoerper(drucker, *dc, seite, tabelle, diagramm, Seitentitel());
}

CV_kornsummenlinie::CV_kornsummenlinie()
    : CStandardVersuch("KV", " Bestimmung der Korngrößenverteilung nach DIN 18123", 10000)
{
}

CV_proctor::CV_proctor() : CStandardVersuch("PV", " Proctorversuch nach DIN 18127", 10010) {}

CV_verdichtung::CV_verdichtung()
    : CStandardVersuch(
          "D?", "Bestimmung der Dichte des Bodens (Feldversuche) nach DIN 18125 Teil 2", 10020)
{
}

CV_lastplatte::CV_lastplatte()
    : CStandardVersuch("LD", " Dynamischer Plattendruckversuch nach TP BF-StB Teil B 8.3", 10030)
{
}

CV_rammsondierung::CV_rammsondierung()
    : CStandardVersuch("RS", " Erkundung durch Sondierung nach DIN 4094", 10040)
{
}

CV_plattendruck::CV_plattendruck()
    : CStandardVersuch("LP", " Plattendruckversuch nach DIN 18134", 10050)
{
}

CV_zustandsgrenzen::CV_zustandsgrenzen()
    : CStandardVersuch("ZG", "Zustandsgrenzen nach DIN 18122 Teil 1", 10060)
{
}

CV_troxler::CV_troxler()
    : CStandardVersuch("DT", " Radiometrische Dichtebestimmung des Boden nach TP BF-StB Teil B 4.3",
                       10070)
{
}

CV_korndichte::CV_korndichte()
    : CStandardVersuch("KD", " Bestimmung der Rohdichte mit Pyknometer nach TPMin-StB Teil 3.2.1/2",
                       10080)
{
}

CV_bindemittelmenge::CV_bindemittelmenge()
    : CStandardVersuch("BV", " Empfehlung für die Bindemittelmenge", 10090)
{
}

CV_bodenaustauschdicke::CV_bodenaustauschdicke()
    : CStandardVersuch("BA", " Empfehlung für die Bodenaustauschdicke", 10100)
{
}

CV_wassergehalt::CV_wassergehalt()
    : CStandardVersuch("WG", " Bestimmung des Wassergehaltes nach DIN 18121", 10110)
{
}

CV_lastplatte15kg::CV_lastplatte15kg()
    : CStandardVersuch("L5", " Dynamischer Plattendruckversuch nach TP BF-StB Teil B 8.3 (15kg)",
                       10120)
{
}

CV_Grafikmisch::CV_Grafikmisch(int untertyp)
    : CStandardVersuch(
          untertyp == 2 ? "GP" : "GK",
          untertyp == 2 ? " Proctorversuche vergleichen" : " Kornverteilungen vergleichen", 10180)
{
}

CV_Notiz::CV_Notiz() : CStandardVersuch("AN", " Aktennotiz", 10200) {}

CV_Glueverlust::CV_Glueverlust()
    : CTabellenVersuch("GV", "Bestimmung des Glühverlustes nach DIN 18128", 10130)
{
}

CV_Sedimentation::CV_Sedimentation()
    : CTabellenVersuch("SE", "Sedimentation nach DIN 18123-6 (Schlämmanalyse)", 10140)
{
    const DialogVorlage vorlage = HoleDruckvorlage(5102);
    for (int ersteId : {30101, 30201, 30301, 30401, 30205, 30305, 30405, 30501, 30505})
        Raster.LadeZeileAusVorlage(vorlage, ersteId, 3);
    Raster.LadeZeileAusVorlage(vorlage, 30601, 6);
    Raster.LadeZeileAusVorlage(vorlage, 30701, 9);
    Raster.LadeZeileAusVorlage(vorlage, 30801, 10);
}

CV_Terzaghi::CV_Terzaghi()
    : CTabellenVersuch("FT", "Nachweis der Filterstabilität nach Terzaghi", 10150)
{
    const DialogVorlage vorlage = HoleDruckvorlage(5103);
    Raster.LadeZeilenAusVorlage(vorlage, 40402, 6, 3);
    Raster.LadeZeilenAusVorlage(vorlage, 40608, 4, 9);
}

CV_Kalkgehalt::CV_Kalkgehalt()
    : CTabellenVersuch("CA", "Bestimmung des Kalkgehaltes nach DIN 18129", 10160)
{
    Raster.LadeZeilenAusVorlage(HoleDruckvorlage(5104), 40101, 8, 14);
}

CV_Wasserdlkb::CV_Wasserdlkb(int)
    : CTabellenVersuch("WD", "Bestimmung des Wasserdurchlässigkeitsbeiwertes nach DIN 18130", 10170)
{
    Raster.LadeZeilenAusVorlage(HoleDruckvorlage(5105), 40101, 8, 11);
    Raster.SetzeFlags(0, 0, DRUCK_FETT);
}
