#pragma once
// A static text with its own colours and font, which can flash its text or its background and,
// made a link, opens its text when clicked.

#include "platform/gdi.h"

#include <QColor>
#include <QCursor>
#include <QLabel>
#include <optional>
#include <string>

class CLabel : public QLabel
{
    Q_OBJECT
public:
    static constexpr int BlinkTakt = 500; // ms

    enum class Blinken
    {
        Keins,
        Text,
        Hintergrund
    };

    explicit CLabel(QWidget* parent = nullptr);
    CLabel(const QString& text, QWidget* parent);

    void SetText(const std::string& text);
    void SetTextColor(COLORREF farbe);
    // Takes effect at the next repaint.
    void SetBkColor(COLORREF farbe);
    void SetFontBold(bool fett);
    void SetFontName(const QString& name);
    void SetFontUnderline(bool unterstrichen);
    void SetFontItalic(bool kursiv);
    // Character height in pixels; 0 or less: the size of the application's font.
    void SetFontSize(int groesse);
    void SetSunken(bool versenkt);
    void SetBorder(bool umrandet);
    // A link takes clicks and opens its text as the desktop opens a file or address.
    void SetLink(bool link);
    // Shown over the label; none: the usual one.
    void SetLinkCursor(const std::optional<QCursor>& zeiger);
    // Start (true) or stop (false) flashing; either stops a flash that runs.
    void FlashText(bool an);
    void FlashBackground(bool an);

    Blinken HoleBlinken() const { return m_blinken; }
    bool BlinktGerade() const { return m_taktgeber != 0; }
    // One flash step: text or background change between their two states.
    void OnTimer();

protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
    void timerEvent(QTimerEvent* ereignis) override;

private:
    void StarteTakt(Blinken blinken);
    void HalteTaktAn();
    void AktualisiereHintergrund();
    void AktualisiereRahmen();
    void SetzeSchrift(const QFont& schrift);

    QColor m_hintergrund;
    QColor m_blinkfarbe;
    QString m_gemerkterText;
    bool m_blinkzustand = false; // the second of the two states
    int m_taktgeber = 0;
    bool m_link = false; // takes clicks
    bool m_versenkt = false;
    bool m_umrandet = false;
    Blinken m_blinken = Blinken::Keins;
};
