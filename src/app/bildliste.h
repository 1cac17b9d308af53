#pragma once
// The image list of the report lists: three images of 16 x 16 pixels. Image 1 marks a row,
// image 2 a row marked twice; image 0 stands for a protocol.

#include <QPixmap>
#include <array>

class QPainter;
class QPoint;

class CBildliste
{
public:
    static constexpr int Groesse = 16;
    static constexpr int Anzahl = 3;
    static constexpr int Markiert = 1;
    static constexpr int DoppeltMarkiert = 2;

    CBildliste();

    const QPixmap& Bild(int nummer) const { return m_bilder.at(static_cast<size_t>(nummer)); }
    // Draws an image with its upper left corner at `ecke`; where it has no colour the row shows
    // through. A number outside the list draws nothing.
    void Zeichne(QPainter& maler, int nummer, const QPoint& ecke) const;

private:
    std::array<QPixmap, Anzahl> m_bilder;
};
