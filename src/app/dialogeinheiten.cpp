#include "app/dialogeinheiten.h"

#include <QFontMetrics>
#include <QString>

using namespace Qt::StringLiterals;

namespace {

// Rounded to the nearest pixel, as the template loader does.
int Skaliere(int einheiten, int basis, int teiler)
{
    const long long produkt = static_cast<long long>(einheiten) * basis;
    const long long halb = produkt >= 0 ? teiler / 2 : -(teiler / 2);
    return static_cast<int>((produkt + halb) / teiler);
}

} // namespace

CDialogEinheiten::CDialogEinheiten(const QFont& schrift)
{
    const QFontMetrics metrik(schrift);
    const QString buchstaben = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"_s;
    m_basisX = (metrik.horizontalAdvance(buchstaben) / 26 + 1) / 2;
    m_basisY = metrik.height();
}

int CDialogEinheiten::X(int einheiten) const
{
    return Skaliere(einheiten, m_basisX, 4);
}

int CDialogEinheiten::Y(int einheiten) const
{
    return Skaliere(einheiten, m_basisY, 8);
}

QRect CDialogEinheiten::Rechteck(int x, int y, int breite, int hoehe) const
{
    // Corners are converted, not sizes, so that neighbouring controls meet exactly.
    return QRect(X(x), Y(y), X(x + breite) - X(x), Y(y + hoehe) - Y(y));
}
