// The label of the details pane: font and frame settings, flashing text and background, and a
// link that opens its text.
#include "app/label.h"

#include <QDesktopServices>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class Oeffner : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> geoeffnet;

public slots:
    void Oeffne(const QUrl& adresse) { geoeffnet.append(adresse); }
};

QColor Hintergrund(const CLabel& label)
{
    return label.palette().color(QPalette::Window);
}

} // namespace

TEST(Label, SchriftUndRahmen)
{
    CLabel label(u"Titel"_s, nullptr);
    label.SetFontUnderline(true);
    label.SetFontItalic(true);
    label.SetFontSize(17);
    EXPECT_TRUE(label.font().underline());
    EXPECT_TRUE(label.font().italic());
    EXPECT_EQ(label.font().pixelSize(), 17);
    label.SetFontUnderline(false);
    EXPECT_FALSE(label.font().underline());
    EXPECT_TRUE(label.font().italic());

    EXPECT_EQ(label.frameWidth(), 0);
    label.SetSunken(true);
    EXPECT_EQ(label.frameShadow(), QFrame::Sunken);
    label.SetBorder(true);
    EXPECT_EQ(label.frameShadow(), QFrame::Sunken);
    EXPECT_GT(label.frameWidth(), 1) << "border and sunken edge together";
    label.SetSunken(false);
    EXPECT_EQ(label.frameShape(), QFrame::Box);
    EXPECT_EQ(label.frameShadow(), QFrame::Plain);
    label.SetBorder(false);
    EXPECT_EQ(label.frameWidth(), 0);
}

TEST(Label, TextUndHintergrundBlinken)
{
    CLabel label(u"Achtung"_s, nullptr);
    label.SetBkColor(RGB(0, 0, 128));
    const QColor blau(0, 0, 128);
    EXPECT_EQ(Hintergrund(label), blau);

    label.FlashText(true);
    EXPECT_TRUE(label.BlinktGerade());
    label.OnTimer();
    EXPECT_EQ(label.text(), u""_s);
    label.OnTimer();
    EXPECT_EQ(label.text(), u"Achtung"_s);
    label.OnTimer();
    // Stopped in the empty state, the text comes back; so too when the background flash takes
    // over.
    label.FlashText(false);
    EXPECT_FALSE(label.BlinktGerade());
    EXPECT_EQ(label.text(), u"Achtung"_s);
    label.FlashText(true);
    label.OnTimer();
    label.FlashBackground(true);
    EXPECT_EQ(label.text(), u"Achtung"_s);

    // The background starts in the flash colour (the button face) and alternates with its own.
    EXPECT_EQ(label.HoleBlinken(), CLabel::Blinken::Hintergrund);
    EXPECT_EQ(Hintergrund(label), label.palette().color(QPalette::Button));
    label.OnTimer();
    EXPECT_EQ(Hintergrund(label), blau);
    label.OnTimer();
    EXPECT_NE(Hintergrund(label), blau);
    label.FlashBackground(false);
    EXPECT_FALSE(label.BlinktGerade());

    // The timer ticks every half second.
    label.FlashText(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return label.text().isEmpty(); }, 2 * CLabel::BlinkTakt));
    label.FlashText(false);
}

TEST(Label, LinkOeffnetSeinenTextNurAlsLink)
{
    Oeffner oeffner;
    QDesktopServices::setUrlHandler(u"axotest"_s, &oeffner, "Oeffne");
    CLabel label(u"axotest:bericht"_s, nullptr);
    label.resize(100, 20);

    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_TRUE(oeffner.geoeffnet.isEmpty()) << "the labels of the form take no clicks";

    label.SetLink(true);
    label.SetLinkCursor(QCursor(Qt::PointingHandCursor));
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(&label, Qt::RightButton);
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(oeffner.geoeffnet, QList<QUrl>{QUrl(u"axotest:bericht"_s)});
    label.SetLinkCursor(std::nullopt);
    EXPECT_EQ(label.cursor().shape(), Qt::ArrowCursor);
    QDesktopServices::unsetUrlHandler(u"axotest"_s);
}

#include "test_label.moc"
