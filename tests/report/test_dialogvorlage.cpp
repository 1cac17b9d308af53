#include "platform/exceptions.h"
#include "report/dialogvorlage.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::vector<VorlagenElement> ZweiFelder()
{
    VorlagenElement trocken{.id = 40101,
                            .x = 10,
                            .y = 20,
                            .cx = 60,
                            .cy = 9,
                            .text = "Trockenmasse m€ä",
                            .style = SS_CENTER,
                            .exStyle = 0x20};
    VorlagenElement leer{
        .id = 40102, .x = 70, .y = 20, .cx = 30, .cy = 9, .text = "", .style = SS_RIGHT};
    return {trocken, leer};
}

// Reads from a heap block of exactly the given bytes, so that the sanitizer sees any read
// behind the end.
bool LiesAusGenauemPuffer(const std::vector<std::uint8_t>& bytes, size_t laenge, int id,
                          VorlagenElement& element)
{
    auto puffer = std::make_unique<std::uint8_t[]>(laenge);
    std::copy_n(bytes.begin(), laenge, puffer.get());
    return LeseDialogElement(DialogVorlage(puffer.get(), laenge), id, element);
}

class DialogVorlageBeideFormen : public ::testing::TestWithParam<VorlagenForm>
{
};

} // namespace

TEST_P(DialogVorlageBeideFormen, ControlsReadBackAsBuilt)
{
    const auto bytes = BaueDialogVorlage(ZweiFelder(), GetParam());
    VorlagenElement e;
    ASSERT_TRUE(LeseDialogElement(bytes, 40101, e));
    EXPECT_EQ(e.id, 40101);
    EXPECT_EQ(e.text, "Trockenmasse m€ä");
    EXPECT_EQ(e.style, SS_CENTER);
    EXPECT_EQ(e.exStyle, 0x20u);
    EXPECT_EQ(e.x, 10);
    EXPECT_EQ(e.y, 20);
    EXPECT_EQ(e.cx, 60);
    EXPECT_EQ(e.cy, 9);
    EXPECT_FALSE(e.titelNummer);

    ASSERT_TRUE(LeseDialogElement(bytes, 40102, e));
    EXPECT_EQ(e.text, "");
    EXPECT_EQ(e.style, SS_RIGHT);
    EXPECT_EQ(e.cx, 30);
}

TEST_P(DialogVorlageBeideFormen, ClassNamesOrdinalCaptionsAndCreationDataAreWalkedOver)
{
    std::vector<VorlagenElement> elemente = ZweiFelder();
    elemente[0].klasse = "Static";
    elemente[0].daten = {1, 2, 3};
    VorlagenElement bild{.id = 7, .titelNummer = 130};
    bild.daten = {9, 9, 9, 9, 9};
    elemente.insert(elemente.begin(), bild);
    // The first control with an id is taken.
    elemente.push_back(VorlagenElement{.id = 40101, .text = "zweites"});
    const auto bytes = BaueDialogVorlage(elemente, GetParam());

    VorlagenElement e;
    ASSERT_TRUE(LeseDialogElement(bytes, 7, e));
    EXPECT_EQ(e.titelNummer, std::optional<std::uint16_t>(130));
    ASSERT_TRUE(LeseDialogElement(bytes, 40101, e));
    EXPECT_EQ(e.text, "Trockenmasse m€ä");
    ASSERT_TRUE(LeseDialogElement(bytes, 40102, e));
    EXPECT_EQ(e.style, SS_RIGHT);
}

TEST_P(DialogVorlageBeideFormen, MissingControlsAndTemplatesClearTheResult)
{
    const auto bytes = BaueDialogVorlage(ZweiFelder(), GetParam());
    VorlagenElement e{.id = 5, .text = "alt", .style = 3};
    EXPECT_FALSE(LeseDialogElement(bytes, 40103, e));
    EXPECT_EQ(e.text, "");
    EXPECT_EQ(e.style, 0u);
    EXPECT_FALSE(LeseDialogElement(bytes, -1, e));
    EXPECT_FALSE(LeseDialogElement(DialogVorlage(), 40101, e));
    EXPECT_FALSE(LeseDialogElement(BaueDialogVorlage({}, GetParam()), 0, e));

    EXPECT_EQ(HoleDialogText(bytes, 40101), "Trockenmasse m€ä");
    EXPECT_EQ(HoleDialogText(bytes, 40103), "");
    EXPECT_EQ(HoleDialogText(DialogVorlage(), 40101), "");
}

TEST_P(DialogVorlageBeideFormen, TruncatedTemplatesAreRefusedWithoutReadingPastTheEnd)
{
    const auto bytes = BaueDialogVorlage(ZweiFelder(), GetParam());
    VorlagenElement e;
    ASSERT_TRUE(LiesAusGenauemPuffer(bytes, bytes.size(), 40102, e));
    // The last control's title ends two bytes before the (empty) creation data size word.
    for (size_t laenge = 0; laenge + 2 < bytes.size(); ++laenge)
        EXPECT_FALSE(LiesAusGenauemPuffer(bytes, laenge, 40102, e)) << laenge;
    EXPECT_TRUE(LiesAusGenauemPuffer(bytes, bytes.size() - 2, 40102, e));
    // A later control that is cut off does not spoil an earlier one.
    EXPECT_TRUE(LiesAusGenauemPuffer(bytes, bytes.size() - 8, 40101, e));
}

TEST_P(DialogVorlageBeideFormen, MalformedTemplatesAreRefused)
{
    auto bytes = BaueDialogVorlage(ZweiFelder(), GetParam());
    VorlagenElement e;

    // A caption without its terminating zero runs into the end.
    auto ohneEnde = bytes;
    ohneEnde.resize(ohneEnde.size() - 2); // drop the creation data word
    ohneEnde.back() = 'x';                // the empty caption's zero
    EXPECT_FALSE(LiesAusGenauemPuffer(ohneEnde, ohneEnde.size(), 40102, e));

    // A count that promises more controls than there are.
    const size_t anzahlPos = GetParam() == VorlagenForm::Erweitert ? 16 : 8;
    auto zuViele = bytes;
    zuViele[anzahlPos] = 200;
    EXPECT_TRUE(LiesAusGenauemPuffer(zuViele, zuViele.size(), 40102, e));
    EXPECT_FALSE(LiesAusGenauemPuffer(zuViele, zuViele.size(), 40199, e));

    // Creation data that claims to reach past the end.
    std::vector<VorlagenElement> elemente = ZweiFelder();
    const std::vector<std::uint8_t> daten{0xAB, 0xCD, 0xEF, 0x12};
    elemente[0].daten = daten;
    auto zuLang = BaueDialogVorlage(elemente, GetParam());
    const auto pos = std::search(zuLang.begin(), zuLang.end(), daten.begin(), daten.end());
    ASSERT_NE(pos, zuLang.end());
    *(pos - 1) = 0xFF;
    EXPECT_TRUE(LiesAusGenauemPuffer(zuLang, zuLang.size(), 40101, e));
    EXPECT_FALSE(LiesAusGenauemPuffer(zuLang, zuLang.size(), 40102, e));
}

INSTANTIATE_TEST_SUITE_P(Formen, DialogVorlageBeideFormen,
                         ::testing::Values(VorlagenForm::Einfach, VorlagenForm::Erweitert),
                         [](const auto& info) {
                             return info.param == VorlagenForm::Einfach ? "Einfach" : "Erweitert";
                         });

TEST(DialogVorlage, FormsAreRecognisedByTheSecondWord)
{
    const auto einfach = BaueDialogVorlage(ZweiFelder(), VorlagenForm::Einfach);
    const auto erweitert = BaueDialogVorlage(ZweiFelder(), VorlagenForm::Erweitert);
    EXPECT_EQ(erweitert[2], 0xFF);
    EXPECT_EQ(erweitert[3], 0xFF);
    EXPECT_NE(einfach[3], 0xFF);
    EXPECT_NE(einfach.size(), erweitert.size());
}

TEST(DialogVorlage, IdsTheFormCannotHoldAreRefusedWhenBuilding)
{
    const std::vector<VorlagenElement> gross{VorlagenElement{.id = 70000}};
    EXPECT_THROW(BaueDialogVorlage(gross, VorlagenForm::Einfach), CInvalidArgException);
    VorlagenElement e;
    EXPECT_TRUE(LeseDialogElement(BaueDialogVorlage(gross, VorlagenForm::Erweitert), 70000, e));
    EXPECT_THROW(BaueDialogVorlage({VorlagenElement{.id = -1}}), CInvalidArgException);
}

TEST(DialogVorlage, BytesFollowTheResourceLayout)
{
    std::vector<std::uint8_t> erwartet;
    auto w = [&](std::initializer_list<std::uint16_t> worte) {
        for (std::uint16_t x : worte) {
            erwartet.push_back(static_cast<std::uint8_t>(x & 0xFF));
            erwartet.push_back(static_cast<std::uint8_t>(x >> 8));
        }
    };
    auto schrift = [&] {
        for (char c : std::string("MS Shell Dlg"))
            w({static_cast<std::uint16_t>(c)});
        w({0});
    };
    const std::vector<VorlagenElement> eins{
        VorlagenElement{.id = 1, .cx = 2, .cy = 3, .text = "A", .style = SS_CENTER}};

    // Plain: style, extended style, count, x, y, cx, cy; menu, class, title; font.
    w({0x0040, 0x4000, 0, 0, 1, 0, 0, 2, 3, 0, 0, 0, 8});
    schrift();
    ASSERT_EQ(erwartet.size() % 4, 0u);
    // Control: style, extended style, x, y, cx, cy, id; static class; title; no creation data.
    w({1, 0, 0, 0, 0, 0, 2, 3, 1, 0xFFFF, 0x0082, 'A', 0, 0});
    EXPECT_EQ(BaueDialogVorlage(eins, VorlagenForm::Einfach), erwartet);

    erwartet.clear();
    // Extended: version, signature, help id, extended style, style, count, x, y, cx, cy; menu,
    // class, title; point size, weight, italic and character set; font.
    w({1, 0xFFFF, 0, 0, 0, 0, 0x0040, 0x4000, 1, 0, 0, 2, 3, 0, 0, 0, 8, 400, 0x0100});
    schrift();
    ASSERT_EQ(erwartet.size() % 4, 0u);
    // Control: help id, extended style, style, x, y, cx, cy, id (32 bits); class; title; data.
    w({0, 0, 0, 0, 1, 0, 0, 0, 2, 3, 1, 0, 0xFFFF, 0x0082, 'A', 0, 0});
    EXPECT_EQ(BaueDialogVorlage(eins, VorlagenForm::Erweitert), erwartet);
}
