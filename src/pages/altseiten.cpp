// Page bodies of the report printer that sit beside the diagrams.

#include "diagrams/kornverteilungsdiagramm.h"
#include "diagrams/proctordiagramm.h"
#include "report/protokolldruck.h"

void CProtokollDruck::DruckeAltSeite3(CDC&, RECT, const std::string&, const std::string&,
                                      const std::string&)
{
    Abbildung.SetzeTextSchriften(&Schriften[0], &Schriften[8], 50);
}

void CProtokollDruck::DruckeAltSeite4(CDC& dc, RECT seite, const std::string& eintrag1,
                                      const std::string& eintrag2, const std::string& titel)
{
    DruckeAltSeite3(dc, seite, eintrag1, eintrag2, titel);
}

void CProtokollDruck::DruckeKornverteilungAlt(CDC& dc, RECT, const std::string&,
                                              const std::string& eintrag2, const std::string&)
{
    Abbildung.SetzeUrsprung(0, 6);
    const RECT diagramm{Abbildung.TransformiereX(3), Abbildung.TransformiereY(1),
                        Abbildung.TransformiereX(29), Abbildung.TransformiereY(17)};
    Abbildung.Rechteck(0, 0, 30, 20);
    ZeichneKornverteilungsDiagramm(dc, diagramm, eintrag2, Texte, Stifte[1], Stifte[4],
                                   Schriften[0], Schriften[6], false);
}

void CProtokollDruck::DruckeProctorAlt(CDC& dc, RECT, const std::string&,
                                       const std::string& eintrag2, const std::string&)
{
    Abbildung.SetzeUrsprung(0, 6);
    const RECT diagramm{Abbildung.TransformiereX(3), Abbildung.TransformiereY(1),
                        Abbildung.TransformiereX(29), Abbildung.TransformiereY(17)};
    Abbildung.Rechteck(0, 0, 30, 20);
    ZeichneProctorDiagramm(dc, diagramm, eintrag2, Texte, Stifte[1], RGB(0, 0, 0), Stifte[4],
                           Schriften[0], Schriften[6], false);
}

void CProtokollDruck::DruckeRahmenAlt(CDC&, RECT, const std::string&, const std::string&,
                                      const std::string&)
{
    Abbildung.SetzeUrsprung(0, 6);
    Abbildung.Rechteck(15, 0, 30, 50);
}
