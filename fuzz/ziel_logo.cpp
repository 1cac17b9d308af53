// The logo decoder: the input as a logo bitmap file, read, its colour table built, painted on the
// recording device context and through Qt's painter on a small image, whole and in part, written
// out and read back; and the same bytes descrambled as a logo file is.

#include "fuzzumgebung.h"
#include "platform/qtdc.h"
#include "platform/recordingdc.h"
#include "report/dib.h"

#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    RichteFuzzUmgebungEin();
    return 0;
}

namespace {

void Zeichne(const CDib& logo, CDC& dc)
{
    // 16 mm by 4 mm: at the image's 96 dpi a few dozen pixels, so that painting stays quick.
    const RECT ziel{100, -100, 1700, -500};
    // As the page layouts name the picture: a top-down bitmap's rows count negative.
    const RECT ganz{0, 0, logo.Breite(), logo.Hoehe()};
    const RECT teil{1, logo.Hoehe() / 4, logo.Breite() / 2, logo.Hoehe() / 2};
    logo.Zeichne(&dc, &ziel, &ganz);
    logo.Zeichne(&dc, &ziel, &teil);
}

void Pruefe(CDib& logo)
{
    logo.Breite();
    logo.AnzahlFarben();
    logo.PalettenGroesse();
    logo.ErzeugePalette();
    RecordingDC aufzeichnung;
    Zeichne(logo, aufzeichnung);
    // What reaches Qt's painter is what a preview or a printout paints.
    QImage bild(72, 24, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    QtDC dc(maler);
    Zeichne(logo, dc);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
    CDib logo;
    std::istringstream strom(bytes);
    if (logo.Lese(strom) == 0)
        return 0;
    Pruefe(logo);

    // What is written reads back as the same bitmap.
    std::ostringstream geschrieben;
    const std::size_t laenge = logo.Schreibe(geschrieben);
    CDib wieder;
    std::istringstream zurueck(geschrieben.str());
    if (wieder.Lese(zurueck) != laenge || wieder.Breite() != logo.Breite() ||
        wieder.Hoehe() != logo.Hoehe())
        std::abort();

    std::string verschluesselt = bytes;
    EntschluesseleLogoPuffer(verschluesselt.data(), verschluesselt.size());
    EntschluesseleLogoPuffer(verschluesselt.data(), verschluesselt.size());
    if (verschluesselt != bytes)
        std::abort();
    return 0;
}
