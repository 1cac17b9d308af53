#pragma once
// The test types, one class per type: report title, two-letter code and the page code base that
// selects the layout of its pages.

#include "report/ppdruckdaten.h"
#include "report/virtversuch.h"

#include <optional>

class CTextKatalog;

// A test type whose pages the page dispatcher lays out.
class CStandardVersuch : public CVirtVersuch
{
public:
    void Drucken(int lokaleSeite, CDC* dc, RECT seite) override;

protected:
    using CVirtVersuch::CVirtVersuch;
};

class CProtokollDruck;

// A test type that prints a table page of its own below the page header, on every page.
class CTabellenVersuch : public CVirtVersuch
{
public:
    // Throws CInvalidArgException when the header hands back fewer than three texts.
    void Drucken(int lokaleSeite, CDC* dc, RECT seite) override;

protected:
    using CVirtVersuch::CVirtVersuch;

    // The page below the header: table text and chart text are header entries 1 and 2.
    virtual void DruckeSeitenkoerper(CProtokollDruck& druck, CDC& dc, RECT seite,
                                     const std::string& tabelle, const std::string& diagramm,
                                     const std::string& titel) = 0;
};

class CV_kornsummenlinie : public CStandardVersuch
{
public:
    CV_kornsummenlinie();
};

class CV_proctor : public CStandardVersuch
{
public:
    CV_proctor();
};

class CV_verdichtung : public CStandardVersuch
{
public:
    CV_verdichtung();
};

class CV_lastplatte : public CStandardVersuch
{
public:
    CV_lastplatte();
};

class CV_rammsondierung : public CStandardVersuch
{
public:
    CV_rammsondierung();
};

class CV_plattendruck : public CStandardVersuch
{
public:
    CV_plattendruck();
};

class CV_zustandsgrenzen : public CStandardVersuch
{
public:
    CV_zustandsgrenzen();
};

class CV_troxler : public CStandardVersuch
{
public:
    CV_troxler();
};

class CV_korndichte : public CStandardVersuch
{
public:
    CV_korndichte();
};

class CV_bindemittelmenge : public CStandardVersuch
{
public:
    CV_bindemittelmenge();
};

class CV_bodenaustauschdicke : public CStandardVersuch
{
public:
    CV_bodenaustauschdicke();
};

class CV_wassergehalt : public CStandardVersuch
{
public:
    CV_wassergehalt();
};

class CV_lastplatte15kg : public CStandardVersuch
{
public:
    CV_lastplatte15kg();
};

// Axes of the permeability chart in device units: x linear, y logarithmic.
struct CWasserdlkbAchsen
{
    int links = 0, oben = 0, rechts = 0, unten = 0;
    double xMassstab = 0, yMassstabLinear = 0;
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    double yMassstabLog = 0, log10YMin = 0, log10YMax = 0;

    void Setze(RECT rechteck, double xMinimum, double xMaximum, double yMinimum, double yMaximum);
    // Device x and y truncated toward zero; none when the value cannot be placed (equal bounds,
    // a y not above zero, a result outside the device range).
    std::optional<int> GeraetX(double x) const;
    std::optional<int> GeraetY(double y) const;
};

// Compares several Proctor curves (sub-type 2) or grain-size curves (any other sub-type).
class CV_Grafikmisch : public CStandardVersuch
{
public:
    explicit CV_Grafikmisch(int untertyp);
    // The page is drawn by the page layouts; the grid stays empty.
    CPPDruckDaten Raster;
};

class CV_Notiz : public CStandardVersuch
{
public:
    CV_Notiz();
};

class CV_Glueverlust : public CTabellenVersuch
{
public:
    CV_Glueverlust();
    // Five part tests of crucible masses from fixed captions, and the mean.
    static void DruckeTabelle(CProtokollDruck& druck, CDC& dc, RECT seite,
                              const std::string& tabelle, const std::string& diagramm,
                              const std::string& titel);

protected:
    void DruckeSeitenkoerper(CProtokollDruck& druck, CDC& dc, RECT seite,
                             const std::string& tabelle, const std::string& diagramm,
                             const std::string& titel) override;
};

class CV_Sedimentation : public CTabellenVersuch
{
public:
    CV_Sedimentation();
    // Hydrometer data, grain density and dry mass, and twelve readings.
    static void DruckeTabelle(CProtokollDruck& druck, CDC& dc, RECT seite,
                              const std::string& tabelle, const std::string& diagramm,
                              const std::string& titel, const CPPDruckDaten& raster);
    CPPDruckDaten Raster;

protected:
    void DruckeSeitenkoerper(CProtokollDruck& druck, CDC& dc, RECT seite,
                             const std::string& tabelle, const std::string& diagramm,
                             const std::string& titel) override;
};

class CV_Terzaghi : public CTabellenVersuch
{
public:
    CV_Terzaghi();
    // The grain-size diagram of the three materials, their sieve tables, characteristic grain
    // sizes and the two filter criteria, printed as the data text states them.
    static void DruckeNachweis(CProtokollDruck& druck, CDC& dc, RECT seite,
                               const std::string& tabelle, const std::string& diagramm,
                               const std::string& titel, CPPDruckDaten& raster);
    CPPDruckDaten Raster;

protected:
    void DruckeSeitenkoerper(CProtokollDruck& druck, CDC& dc, RECT seite,
                             const std::string& tabelle, const std::string& diagramm,
                             const std::string& titel) override;
};

class CV_Kalkgehalt : public CTabellenVersuch
{
public:
    CV_Kalkgehalt();
    // Fills the grid's five part-test columns from the table text and draws the grid.
    static void DruckeTabelle(CProtokollDruck& druck, CDC& dc, RECT seite,
                              const std::string& tabelle, const std::string& diagramm,
                              const std::string& titel, CPPDruckDaten& raster);
    CPPDruckDaten Raster;

protected:
    void DruckeSeitenkoerper(CProtokollDruck& druck, CDC& dc, RECT seite,
                             const std::string& tabelle, const std::string& diagramm,
                             const std::string& titel) override;
};

class CV_Wasserdlkb : public CTabellenVersuch
{
public:
    // The page takes the sub-type from the protocol (Untertyp), not from here.
    explicit CV_Wasserdlkb(int untertyp);
    // Characteristic values, the readings of the method that Untertyp selects (the grid gains
    // its rows on the first page) and the chart.
    static void DruckeTabelle(CProtokollDruck& druck, CV_Wasserdlkb& versuch, CDC& dc, RECT seite,
                              const std::string& tabelle, const std::string& diagramm,
                              const std::string& titel, CPPDruckDaten& raster);
    // Coefficients over time or test number from group 5 of the special data, y logarithmic.
    // Throws CInvalidArgException when row 3 holds fewer values than row 2.
    void DruckeDiagramm(CDC& dc, RECT rechteck, const CTextKatalog& katalog,
                        const CPen& rahmenStift, const CPen& gitterStift, const CFont& schrift,
                        const CFont& senkrechteSchrift, bool) const;
    CPPDruckDaten Raster;

protected:
    void DruckeSeitenkoerper(CProtokollDruck& druck, CDC& dc, RECT seite,
                             const std::string& tabelle, const std::string& diagramm,
                             const std::string& titel) override;
};
