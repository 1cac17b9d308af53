#pragma once
// The report printer: made afresh for every printed page of a test report, it holds the page's
// fonts and pens, the text catalogue, the page grid and the test whose page it draws.

#include "platform/gdi.h"
#include "report/seitenabbildung.h"
#include "report/textkatalog.h"

#include <array>
#include <string>
#include <vector>

class CDC;
class CDruckDatenBase;
class CVirtVersuch;

class CProtokollDruck
{
public:
    static constexpr int AnzahlSchriften = 18;
    static constexpr int AnzahlStifte = 6;

    // Creates the fonts and pens and loads the catalogue; the result is the catalogue's load.
    bool ErzeugeGdiObjekte(CVirtVersuch* versuch);

    // Page 1 of a Proctor test report: test tables from the table data, the diagram of the
    // diagram data and the degrees of compaction.
    void DruckeProctor(CDC& dc, RECT seite, const std::string& tabellenDaten,
                       const std::string& diagrammDaten, const std::string& titel);

    // Page bodies of the older page numbering, reached only through the dispatcher's low codes
    // 3 and 4: they set the mark-up fonts and draw nothing.
    void DruckeAltSeite3(CDC& dc, RECT seite, const std::string& eintrag1,
                         const std::string& eintrag2, const std::string& titel);
    void DruckeAltSeite4(CDC& dc, RECT seite, const std::string& eintrag1,
                         const std::string& eintrag2, const std::string& titel);
    // Code 25: the Proctor diagram of header entry 2 in an outlined frame.
    void DruckeProctorAlt(CDC& dc, RECT seite, const std::string& eintrag1,
                          const std::string& eintrag2, const std::string& titel);
    // Code 24: the grain-size diagram of header entry 2 in an outlined frame.
    void DruckeKornverteilungAlt(CDC& dc, RECT seite, const std::string& eintrag1,
                                 const std::string& eintrag2, const std::string& titel);
    // An outline for a diagram beside a table; nothing reaches it.
    void DruckeRahmenAlt(CDC& dc, RECT seite, const std::string& eintrag1,
                         const std::string& eintrag2, const std::string& titel);

    // Page layouts (src/pages). The header fields are "project|remark|client|number prefix", the
    // footer text four lines and a font switch; the header texts hold header values, table data
    // and chart data. A body or header that needs a missing entry throws CInvalidArgException.
    void DruckeSeite(CDC* dc, RECT seite, int seitencode, const std::vector<std::string>& kopfdaten,
                     const std::string& kopffelder, const std::string& zusatztext,
                     const std::string& titel);
    void DruckeKopf(CDC* dc, RECT seite, int seitencode, const std::vector<std::string>& kopfdaten,
                    const std::string& kopffelder, std::string zusatztext);
    void DruckeKopfblock0(CDC& dc, RECT seite, const std::string& kopffelder,
                          const std::string& zusatztext, bool mitBemerkung);
    void DruckeKopfblock1(CDC& dc, RECT seite, const std::string& kopfwerte);
    // A grid table at the current origin: columns + 1 x positions, one grid row per table row.
    void ZeichneTabelle(const CDruckDatenBase* tabelle, const double* spaltenX, int ersteZeile,
                        int spalten, int zeilen, bool rahmen);
    // The whole page grid, numbered: a layout aid.
    void ZeichneHilfsraster();
    void DruckeNotiz(CDC& dc, RECT seite, const std::string& tabelle, const std::string& diagramm,
                     int lokaleSeite);
    void DruckeWassergehalt(CDC& dc, RECT seite, const std::string& tabelle,
                            const std::string& diagramm, const std::string& titel);
    void DruckeKorndichte(CDC& dc, RECT seite, const std::string& tabelle,
                          const std::string& diagramm, const std::string& titel);
    // Field density and nuclear gauge: up to five test points side by side.
    void DruckeVerdichtung(CDC& dc, RECT seite, const std::string& tabelle,
                           const std::string& diagramm, const std::string& titel);
    void DruckeTroxler(CDC& dc, RECT seite, const std::string& tabelle,
                       const std::string& diagramm, const std::string& titel);
    void DruckeKornsummenlinie(CDC& dc, RECT seite, const std::string& tabelle,
                               const std::string& diagramm, const std::string& titel);
    void DruckeZustandsgrenzen(CDC& dc, RECT seite, const std::string& tabelle,
                               const std::string& diagramm, const std::string& titel);
    // Static plate load test: load table, load–settlement diagram and strain moduli.
    void DruckePlattendruck(CDC& dc, RECT seite, const std::string& tabelle,
                            const std::string& diagramm, const std::string& titel);
    // Dynamic plate load test, either drop weight: device data and ten test points.
    void DruckeLastplatte(CDC& dc, RECT seite, const std::string& tabelle,
                          const std::string& diagramm, const std::string& titel);
    // Dynamic probing: device, blow counts per 10 cm down to 9 m, depth notes and the diagram.
    void DruckeRammsondierung(CDC& dc, RECT seite, const std::string& tabelle,
                              const std::string& diagramm, const std::string& titel);
    // Binder amount: Proctor values, site conditions, binder diagram and additions.
    void DruckeBindemittelmenge(CDC& dc, RECT seite, const std::string& tabelle,
                                const std::string& diagramm, const std::string& titel);
    // Soil-replacement thickness: subgrade values, three conclusions and the target Ev2 diagram.
    void DruckeBodenaustauschdicke(CDC& dc, RECT seite, const std::string& tabelle,
                                   const std::string& diagramm, const std::string& titel);
    // Combined diagrams: up to six Proctor (sub-type 2) or grain-size curves of earlier tests
    // with their legend, all read from the test's own data texts; the page rectangle is unused.
    void DruckeGrafikmisch(CDC& dc, RECT seite, const CVirtVersuch* versuch,
                           const std::string& titel);
    // The dispatcher's form of it, for the test recorded by ErzeugeGdiObjekte.
    void DruckeGrafikmischSeite(CDC& dc, RECT seite, const std::string& tabelle,
                                const std::string& diagramm, const std::string& titel);

    // Slots 17 and 5 stay without an object.
    std::array<CFont, AnzahlSchriften> Schriften;
    std::array<CPen, AnzahlStifte> Stifte;
    // The test whose page is being drawn; valid only during that page.
    CVirtVersuch* Versuch = nullptr;
    CTextKatalog Texte;
    CSeitenAbbildung Abbildung;
    // Field 3 of the header fields, kept by the first header block for the second.
    std::string ProtNrPraefix;
};
