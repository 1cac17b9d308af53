#pragma once
// A drawing surface with the semantics of the Windows graphics device interface, because every
// page layout is defined in them. Logical units are hundredths of a millimetre with y growing
// upward (a page lies at negative y), the origin at the corner of the printable area.
//
// CDC keeps the state (current position, selected objects, alignment, colours, saved states),
// lays out text lines and measures through a CTextMetrik; the surfaces (QtDC, RecordingDC) only
// put the resulting primitives on their device.

#include "platform/gdi.h"
#include "platform/textmetrik.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Device coordinates are computed in double and truncated toward zero, as a C cast would; a value
// that is not finite or does not fit an int yields nothing, and the caller skips the primitive.
std::optional<int> ZuGeraeteInt(double wert);
std::optional<POINT> ZuGeraetePunkt(double x, double y);

class CDC
{
public:
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Lines and shapes, with the selected pen; shapes are filled with the selected brush.
    POINT MoveTo(int x, int y); // returns the previous position
    POINT MoveTo(POINT p) { return MoveTo(p.x, p.y); }
    bool LineTo(int x, int y);
    bool LineTo(POINT p) { return LineTo(p.x, p.y); }
    POINT GetCurrentPosition() const { return m_zustand.position; }
    bool Polyline(const POINT* punkte, int anzahl); // at least two points
    bool Polyline(const std::vector<POINT>& punkte);
    bool Polygon(const POINT* punkte,
                 int anzahl); // closed, filled (alternate), at least two points
    bool Polygon(const std::vector<POINT>& punkte);
    bool Rectangle(int left, int top, int right, int bottom);
    bool Rectangle(const RECT& r) { return Rectangle(r.left, r.top, r.right, r.bottom); }
    bool Ellipse(int left, int top, int right, int bottom);
    bool Ellipse(const RECT& r) { return Ellipse(r.left, r.top, r.right, r.bottom); }
    void FillRect(const RECT& r, const CBrush& pinsel); // no outline; an empty brush fills nothing

    // Text in the selected font, anchored by the text alignment; with TA_UPDATECP at the current
    // position (x and y are ignored), which then moves along the baseline by the text's width.
    bool TextOut(int x, int y, std::string_view text);
    // Lines of text in a rectangle; returns the height of the text (lines × cell height).
    // DT_WORDBREAK breaks at blanks only, an over-long word stays whole on its line. DT_CALCRECT
    // draws nothing, sets right to left + the widest line and bottom to top − the height.
    int DrawText(std::string_view text, RECT& rechteck, unsigned format);
    int DrawText(std::string_view text, const RECT& rechteck, unsigned format);
    // Width of the text and the cell height of the font; GetTextExtent("X").cy is the height of
    // "X".
    SIZE GetTextExtent(std::string_view text) const;
    bool GetTextMetrics(TEXTMETRIC& metrik) const;

    unsigned SetTextAlign(unsigned ausrichtung); // return the previous value
    unsigned GetTextAlign() const { return m_zustand.ausrichtung; }
    int SetBkMode(int modus);
    int GetBkMode() const { return m_zustand.hintergrundModus; }
    COLORREF SetBkColor(COLORREF farbe);
    COLORREF GetBkColor() const { return m_zustand.hintergrundFarbe; }
    COLORREF SetTextColor(COLORREF farbe);
    COLORREF GetTextColor() const { return m_zustand.textFarbe; }

    // Selection returns the object selected before; selecting an empty object changes nothing and
    // returns an empty object.
    CFont SelectObject(const CFont& schrift);
    CPen SelectObject(const CPen& stift);
    CBrush SelectObject(const CBrush& pinsel);
    const CFont& GetCurrentFont() const { return m_zustand.schrift; }
    const CPen& GetCurrentPen() const { return m_zustand.stift; }
    const CBrush& GetCurrentBrush() const { return m_zustand.pinsel; }

    // SaveDC returns the new depth (1, 2, …); RestoreDC(-1) restores the most recent state,
    // RestoreDC(n) the state saved as n, dropping every later one.
    int SaveDC();
    bool RestoreDC(int gespeichert);

    // Paints a source rectangle of a bitmap (in pixels, y counted from the bottom row as the bits
    // are stored) stretched into the destination rectangle from (xDest, yDest) spanning
    // destWidth × destHeight logical units of either sign. The picture is never mirrored: its top
    // row goes to the upper edge on the page. Returns the number of scan lines, 0 if nothing drawn.
    int StretchDIBits(int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc,
                      int srcWidth, int srcHeight, const DIB& bild);

    const CTextMetrik& Metrik() const { return m_metrik; }

    // The state the drawing calls use; recorded with every primitive of the RecordingDC.
    struct Zustand
    {
        POINT position;
        CFont schrift;
        CPen stift;
        CBrush pinsel;
        unsigned ausrichtung = TA_LEFT | TA_TOP;
        int hintergrundModus = OPAQUE;
        COLORREF hintergrundFarbe = RGB(255, 255, 255);
        COLORREF textFarbe = RGB(0, 0, 0);
    };
    const Zustand& AktuellerZustand() const { return m_zustand; }

    // The font a fresh device context holds: Tahoma, cell height 300.
    static CFont StandardSchrift();

protected:
    explicit CDC(const CTextMetrik& metrik);

    // One text run on the device: the anchor and the alignment that places it (never TA_UPDATECP),
    // its width as measured, and for DrawText the rectangle and format of the call.
    struct TextAusgabe
    {
        POINT anker;
        unsigned ausrichtung = TA_LEFT | TA_TOP;
        std::string_view text;
        int breite = 0;
        std::optional<RECT> drawTextRechteck;
        unsigned drawTextFormat = 0;
    };
    // Where a text run lies on the page. Its own frame has x along the baseline from the anchor
    // and y toward the descent; the alignment picks the anchor on the run's left, centre or right
    // and on its top, baseline or bottom.
    struct TextLage
    {
        double richtungX = 1; // unit vector along the baseline, on the page (y up)
        double richtungY = 0;
        double links = 0;      // the run's start along the baseline, from the anchor
        double grundlinie = 0; // the baseline's offset from the anchor toward the descent
        SCHRIFTZELLE zelle;
    };
    TextLage Lage(const TextAusgabe& ausgabe) const;
    // The turned cell of a run as an upright rectangle on the page (top > bottom).
    RECT Textkasten(const TextAusgabe& ausgabe) const;

    // A bitmap on the device: destination as given, source normalised to positive extents.
    struct BildAusgabe
    {
        RECT ziel;
        RECT quelle; // left, top = first column and row from the bottom; right, bottom exclusive
        const DIB* bild = nullptr;
        int bildBreite = 0;
        int bildHoehe = 0; // negative for a top-down bitmap
    };

    virtual void ZeichneLinienzug(const std::vector<POINT>& punkte) = 0;
    virtual void ZeichnePolygon(const std::vector<POINT>& punkte) = 0;
    virtual void ZeichneRechteck(const RECT& r) = 0;
    virtual void ZeichneEllipse(const RECT& r) = 0;
    virtual void FuelleRechteck(const RECT& r, const CBrush& pinsel) = 0;
    virtual void ZeichneText(const TextAusgabe& ausgabe) = 0;
    virtual bool ZeichneBild(const BildAusgabe& ausgabe) = 0;

private:
    struct Zeile
    {
        std::string text;
        int breite = 0;
    };
    std::vector<Zeile> BrichZeilen(std::string_view text, int breite, unsigned format) const;
    int Breite(std::string_view text) const;

    const CTextMetrik& m_metrik;
    Zustand m_zustand;
    std::vector<Zustand> m_gespeichert;
};
