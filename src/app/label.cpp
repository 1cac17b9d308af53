#include "app/label.h"

#include "app/applistctrl.h"
#include "platform/qtext.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QTimerEvent>
#include <QUrl>

CLabel::CLabel(QWidget* parent)
    : QLabel(parent), m_hintergrund(palette().color(QPalette::Button)),
      m_blinkfarbe(palette().color(QPalette::Button))
{
    setAutoFillBackground(true);
    AktualisiereHintergrund();
}

CLabel::CLabel(const QString& text, QWidget* parent) : CLabel(parent)
{
    setText(text);
}

void CLabel::SetText(const std::string& text)
{
    setText(AusCp1252(text));
}

void CLabel::SetTextColor(COLORREF farbe)
{
    QPalette farben = palette();
    farben.setColor(QPalette::WindowText, AlsQColor(farbe));
    setPalette(farben);
    repaint();
}

void CLabel::SetBkColor(COLORREF farbe)
{
    m_hintergrund = AlsQColor(farbe);
    AktualisiereHintergrund();
}

void CLabel::SetzeSchrift(const QFont& schrift)
{
    setFont(schrift);
    repaint();
}

void CLabel::SetFontBold(bool fett)
{
    QFont schrift = font();
    schrift.setWeight(fett ? QFont::Bold : QFont::Normal);
    SetzeSchrift(schrift);
}

void CLabel::SetFontName(const QString& name)
{
    QFont schrift = font();
    schrift.setFamilies({name.left(31)});
    SetzeSchrift(schrift);
}

void CLabel::SetFontUnderline(bool unterstrichen)
{
    QFont schrift = font();
    schrift.setUnderline(unterstrichen);
    SetzeSchrift(schrift);
}

void CLabel::SetFontItalic(bool kursiv)
{
    QFont schrift = font();
    schrift.setItalic(kursiv);
    SetzeSchrift(schrift);
}

void CLabel::SetFontSize(int groesse)
{
    QFont schrift = font();
    if (groesse > 0)
        schrift.setPixelSize(groesse);
    else
        schrift.setPointSizeF(QApplication::font(this).pointSizeF());
    SetzeSchrift(schrift);
}

void CLabel::SetSunken(bool versenkt)
{
    m_versenkt = versenkt;
    AktualisiereRahmen();
}

void CLabel::SetBorder(bool umrandet)
{
    m_umrandet = umrandet;
    AktualisiereRahmen();
}

void CLabel::AktualisiereRahmen()
{
    // A border is a plain line around the label; the sunken edge lies inside it.
    if (m_versenkt && m_umrandet)
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    else if (m_versenkt)
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
    else if (m_umrandet)
        setFrameStyle(QFrame::Box | QFrame::Plain);
    else
        setFrameStyle(QFrame::NoFrame);
    setLineWidth(1);
}

void CLabel::SetLink(bool link)
{
    m_link = link;
}

void CLabel::SetLinkCursor(const std::optional<QCursor>& zeiger)
{
    if (zeiger)
        setCursor(*zeiger);
    else
        unsetCursor();
}

void CLabel::FlashText(bool an)
{
    HalteTaktAn();
    if (an) {
        m_gemerkterText = text();
        StarteTakt(Blinken::Text);
    }
}

void CLabel::FlashBackground(bool an)
{
    HalteTaktAn();
    if (an)
        StarteTakt(Blinken::Hintergrund);
}

void CLabel::StarteTakt(Blinken blinken)
{
    m_blinkzustand = false;
    m_blinken = blinken;
    m_taktgeber = startTimer(BlinkTakt);
    AktualisiereHintergrund();
}

void CLabel::HalteTaktAn()
{
    if (m_taktgeber == 0)
        return;
    killTimer(m_taktgeber);
    m_taktgeber = 0;
    // A flashing text never stays in its empty state.
    if (m_blinken == Blinken::Text)
        setText(m_gemerkterText);
}

void CLabel::OnTimer()
{
    m_blinkzustand = !m_blinkzustand;
    if (m_blinken == Blinken::Text)
        setText(m_blinkzustand ? QString() : m_gemerkterText);
    else if (m_blinken == Blinken::Hintergrund)
        AktualisiereHintergrund();
}

void CLabel::timerEvent(QTimerEvent* ereignis)
{
    if (ereignis->timerId() == m_taktgeber)
        OnTimer();
    QLabel::timerEvent(ereignis);
}

void CLabel::AktualisiereHintergrund()
{
    const bool blinkfarbe = m_blinken == Blinken::Hintergrund && !m_blinkzustand;
    QPalette farben = palette();
    farben.setColor(QPalette::Window, blinkfarbe ? m_blinkfarbe : m_hintergrund);
    setPalette(farben);
}

void CLabel::mousePressEvent(QMouseEvent* ereignis)
{
    if (m_link && ereignis->button() == Qt::LeftButton)
        QDesktopServices::openUrl(QUrl::fromUserInput(text()));
    QLabel::mousePressEvent(ereignis);
}
