#pragma once
// A device context that draws nothing and records every primitive with the state current at the
// call, so that page layouts, diagrams and tables can be tested with exact coordinates.

#include "platform/cdc.h"

#include <string>
#include <vector>

enum class DCPrimitiv
{
    Linienzug, // LineTo (two points) and Polyline
    Polygon,
    Rechteck,
    Ellipse,
    Flaeche, // FillRect
    Text,    // TextOut, and each line DrawText draws
    Bild,    // StretchDIBits
};

struct DCEintrag
{
    DCPrimitiv art = DCPrimitiv::Linienzug;
    std::vector<POINT> punkte; // Linienzug, Polygon; Text: the anchor
    RECT rechteck{};           // Rechteck, Ellipse, Flaeche, Bild: destination (top > bottom);
                               // Text from DrawText: the rectangle of the call
    std::string text;
    unsigned ausrichtung = 0; // Text: the alignment that placed it (DrawText lines: left, top)
    int breite = 0;           // Text: measured width
    RECT kasten{};            // Text: the cell it covers on the page, turned with the font
    unsigned format = 0;      // Text from DrawText: its format; 0 for TextOut
    bool ausDrawText = false;
    CBrush fuellung; // Flaeche: the brush given
    RECT quelle{};   // Bild: source pixels, y from the bottom row
    int bildBreite = 0;
    int bildHoehe = 0;
    CDC::Zustand zustand; // font, pen, brush, alignment, colours, background mode, position
};

// Holds a stand-in metric handed over as a temporary, so that it lives as long as the context.
struct FesteMetrikHalter
{
    CFesteTextMetrik festeMetrik;
};

class RecordingDC : private FesteMetrikHalter, public CDC
{
public:
    // Measures with the real fonts unless a metric is given (CFesteTextMetrik for layout tests).
    // A metric given by reference must outlive the context; a CFesteTextMetrik may be a temporary.
    explicit RecordingDC(const CTextMetrik& metrik = SchriftMetrik()) : CDC(metrik) {}
    explicit RecordingDC(CFesteTextMetrik&& metrik) : FesteMetrikHalter{metrik}, CDC(festeMetrik) {}
    explicit RecordingDC(const CTextMetrik&& metrik) = delete;

    const std::vector<DCEintrag>& Eintraege() const { return m_eintraege; }
    std::vector<DCEintrag> Texte() const;
    void Leeren() { m_eintraege.clear(); }

protected:
    void ZeichneLinienzug(const std::vector<POINT>& punkte) override;
    void ZeichnePolygon(const std::vector<POINT>& punkte) override;
    void ZeichneRechteck(const RECT& r) override;
    void ZeichneEllipse(const RECT& r) override;
    void FuelleRechteck(const RECT& r, const CBrush& pinsel) override;
    void ZeichneText(const TextAusgabe& ausgabe) override;
    bool ZeichneBild(const BildAusgabe& ausgabe) override;

private:
    DCEintrag& Neu(DCPrimitiv art);

    std::vector<DCEintrag> m_eintraege;
};
