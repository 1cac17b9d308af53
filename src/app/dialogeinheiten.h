#pragma once
// Dialog layouts are given in dialog units: a quarter of the font's average character width
// across, an eighth of its height down. The conversion follows the one that dialog templates use.

#include <QFont>
#include <QRect>

class CDialogEinheiten
{
public:
    explicit CDialogEinheiten(const QFont& schrift);
    // Base units in pixels, as given directly (for tests and fixed layouts).
    CDialogEinheiten(int basisX, int basisY) : m_basisX(basisX), m_basisY(basisY) {}

    int X(int einheiten) const;
    int Y(int einheiten) const;
    QRect Rechteck(int x, int y, int breite, int hoehe) const;

private:
    int m_basisX;
    int m_basisY;
};

// Places a control on its rectangle in dialog units.
template <typename Steuerelement>
Steuerelement* Platziere(Steuerelement* element, const CDialogEinheiten& du, int x, int y,
                         int breite, int hoehe)
{
    element->setGeometry(du.Rechteck(x, y, breite, hoehe));
    return element;
}
