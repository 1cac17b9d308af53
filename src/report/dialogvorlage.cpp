#include "report/dialogvorlage.h"

#include "platform/cp1252.h"
#include "platform/exceptions.h"

#include <algorithm>

namespace {

constexpr std::uint32_t DS_SETFONT = 0x40;
constexpr std::uint32_t WS_CHILD = 0x40000000;
constexpr std::uint16_t kNummerFolgt = 0xFFFF; // marks an ordinal instead of a string
constexpr std::uint16_t kStaticKlasse = 0x0082;
constexpr char16_t kSchrift[] = u"MS Shell Dlg";

// ---- Writing --------------------------------------------------------------------------------

class CSchreiber
{
public:
    void Wort(std::uint16_t w)
    {
        m_bytes.push_back(static_cast<std::uint8_t>(w & 0xFF));
        m_bytes.push_back(static_cast<std::uint8_t>(w >> 8));
    }
    void DoppelWort(std::uint32_t d)
    {
        Wort(static_cast<std::uint16_t>(d & 0xFFFF));
        Wort(static_cast<std::uint16_t>(d >> 16));
    }
    void Zeichenkette(std::u16string_view text)
    {
        for (char16_t c : text)
            Wort(c);
        Wort(0);
    }
    void Bytes(const std::vector<std::uint8_t>& bytes)
    {
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    }
    void RichteAufDoppelWortAus()
    {
        while (m_bytes.size() % 4 != 0)
            m_bytes.push_back(0);
    }
    std::vector<std::uint8_t> Ergebnis() { return std::move(m_bytes); }

private:
    std::vector<std::uint8_t> m_bytes;
};

void SchreibeKopf(CSchreiber& s, VorlagenForm form, const std::vector<VorlagenElement>& elemente)
{
    std::int16_t breite = 0, hoehe = 0;
    for (const VorlagenElement& e : elemente) {
        breite = std::max<std::int16_t>(breite, static_cast<std::int16_t>(e.x + e.cx));
        hoehe = std::max<std::int16_t>(hoehe, static_cast<std::int16_t>(e.y + e.cy));
    }
    const std::uint32_t style = WS_CHILD | DS_SETFONT;
    const auto anzahl = static_cast<std::uint16_t>(elemente.size());
    if (form == VorlagenForm::Erweitert) {
        s.Wort(1);            // version
        s.Wort(kNummerFolgt); // signature of the extended form
        s.DoppelWort(0);      // help id
        s.DoppelWort(0);      // extended style
        s.DoppelWort(style);
    } else {
        s.DoppelWort(style);
        s.DoppelWort(0);
    }
    s.Wort(anzahl);
    for (std::int16_t v : {std::int16_t(0), std::int16_t(0), breite, hoehe})
        s.Wort(static_cast<std::uint16_t>(v));
    s.Wort(0); // no menu
    s.Wort(0); // the predefined dialog class
    s.Wort(0); // no title
    s.Wort(8); // point size
    if (form == VorlagenForm::Erweitert) {
        s.Wort(400);    // weight
        s.Wort(0x0100); // not italic, default character set
    }
    s.Zeichenkette(kSchrift);
}

// The plain form counts its size word in, the extended form does not.
void SchreibeErstellungsdaten(CSchreiber& s, VorlagenForm form,
                              const std::vector<std::uint8_t>& daten)
{
    if (daten.empty()) {
        s.Wort(0);
        return;
    }
    s.Wort(static_cast<std::uint16_t>(form == VorlagenForm::Erweitert ? daten.size()
                                                                      : daten.size() + 2));
    s.Bytes(daten);
}

void SchreibeElement(CSchreiber& s, VorlagenForm form, const VorlagenElement& e)
{
    s.RichteAufDoppelWortAus();
    if (form == VorlagenForm::Erweitert) {
        s.DoppelWort(0); // help id
        s.DoppelWort(e.exStyle);
        s.DoppelWort(e.style);
    } else {
        s.DoppelWort(e.style);
        s.DoppelWort(e.exStyle);
    }
    for (std::int16_t v : {e.x, e.y, e.cx, e.cy})
        s.Wort(static_cast<std::uint16_t>(v));
    if (form == VorlagenForm::Erweitert)
        s.DoppelWort(static_cast<std::uint32_t>(e.id));
    else
        s.Wort(static_cast<std::uint16_t>(e.id));
    if (e.klasse.empty()) {
        s.Wort(kNummerFolgt);
        s.Wort(kStaticKlasse);
    } else {
        s.Zeichenkette(Utf16AusCp1252(e.klasse));
    }
    if (e.titelNummer) {
        s.Wort(kNummerFolgt);
        s.Wort(*e.titelNummer);
    } else {
        s.Zeichenkette(Utf16AusCp1252(e.text));
    }
    SchreibeErstellungsdaten(s, form, e.daten);
}

void PruefeElement(VorlagenForm form, const VorlagenElement& e)
{
    const long long hoechsteId = form == VorlagenForm::Erweitert ? 0xFFFFFFFFLL : 0xFFFFLL;
    if (e.id < 0 || e.id > hoechsteId)
        throw CInvalidArgException("Steuerelement-ID passt nicht in die Dialogvorlage");
    if (e.daten.size() > 0xFFFD)
        throw CInvalidArgException("Zu viele Erstellungsdaten für ein Steuerelement");
}

// ---- Reading --------------------------------------------------------------------------------

// Walks the template bytes; every read is checked against the end, a failed read leaves the
// reader failed so that callers can test once after a group of reads.
class CLeser
{
public:
    explicit CLeser(DialogVorlage vorlage) : m_vorlage(vorlage) {}

    bool Ok() const { return m_ok; }

    std::uint8_t Byte()
    {
        if (!m_ok || m_pos >= m_vorlage.size()) {
            m_ok = false;
            return 0;
        }
        return m_vorlage[m_pos++];
    }
    std::uint16_t Wort()
    {
        const std::uint16_t lo = Byte();
        return static_cast<std::uint16_t>(lo | (Byte() << 8));
    }
    std::uint32_t DoppelWort()
    {
        const std::uint32_t lo = Wort();
        return lo | (std::uint32_t(Wort()) << 16);
    }
    void Ueberspringe(size_t n)
    {
        if (!m_ok || n > m_vorlage.size() - m_pos) {
            m_ok = false;
            return;
        }
        m_pos += n;
    }
    void RichteAufDoppelWortAus() { Ueberspringe((4 - m_pos % 4) % 4); }

    // A zero-terminated UTF-16 string that begins with the word already read.
    std::u16string ZeichenketteAb(std::uint16_t erstes)
    {
        std::u16string text;
        for (std::uint16_t w = erstes; m_ok && w != 0; w = Wort())
            text.push_back(static_cast<char16_t>(w));
        return text;
    }
    // A string, or 0xFFFF and a number; an empty string when the array is a single 0.
    std::u16string NameOderNummer(std::optional<std::uint16_t>& nummer)
    {
        nummer.reset();
        const std::uint16_t erstes = Wort();
        if (erstes == kNummerFolgt) {
            nummer = Wort();
            return {};
        }
        return ZeichenketteAb(erstes);
    }
    void UeberspringeNameOderNummer()
    {
        std::optional<std::uint16_t> nummer;
        NameOderNummer(nummer);
    }

private:
    DialogVorlage m_vorlage;
    size_t m_pos = 0;
    bool m_ok = true;
};

struct Kopf
{
    bool erweitert = false;
    std::uint16_t anzahl = 0;
};

Kopf LeseKopf(CLeser& l)
{
    Kopf kopf;
    const std::uint16_t stilUnten = l.Wort();
    const std::uint16_t stilOben = l.Wort();
    kopf.erweitert = stilOben == kNummerFolgt;
    std::uint32_t style = 0;
    if (kopf.erweitert) {
        l.Ueberspringe(8); // help id, extended style
        style = l.DoppelWort();
    } else {
        style = stilUnten | (std::uint32_t(stilOben) << 16);
        l.Ueberspringe(4); // extended style
    }
    kopf.anzahl = l.Wort();
    l.Ueberspringe(8);              // x, y, cx, cy
    l.UeberspringeNameOderNummer(); // menu
    l.UeberspringeNameOderNummer(); // class
    l.UeberspringeNameOderNummer(); // title
    if (style & DS_SETFONT) {
        l.Ueberspringe(kopf.erweitert ? 6 : 2); // point size (and weight, italic, character set)
        l.UeberspringeNameOderNummer();         // typeface
    }
    return kopf;
}

// Reads one control; the reader stands behind its title afterwards.
VorlagenElement LeseElement(CLeser& l, bool erweitert)
{
    VorlagenElement e;
    l.RichteAufDoppelWortAus();
    if (erweitert) {
        l.Ueberspringe(4); // help id
        e.exStyle = l.DoppelWort();
        e.style = l.DoppelWort();
    } else {
        e.style = l.DoppelWort();
        e.exStyle = l.DoppelWort();
    }
    e.x = static_cast<std::int16_t>(l.Wort());
    e.y = static_cast<std::int16_t>(l.Wort());
    e.cx = static_cast<std::int16_t>(l.Wort());
    e.cy = static_cast<std::int16_t>(l.Wort());
    const std::uint32_t id = erweitert ? l.DoppelWort() : l.Wort();
    // Ids beyond the int range cannot be asked for; keep them from matching a negative id.
    e.id = id > 0x7FFFFFFF ? -1 : static_cast<int>(id);
    l.UeberspringeNameOderNummer(); // class
    e.text = Cp1252AusUtf16(l.NameOderNummer(e.titelNummer));
    return e;
}

// Creation data: the plain form counts its size word in, the extended form does not.
void UeberspringeErstellungsdaten(CLeser& l, bool erweitert)
{
    const std::uint16_t groesse = l.Wort();
    if (erweitert)
        l.Ueberspringe(groesse);
    else if (groesse > 2)
        l.Ueberspringe(groesse - 2u);
}

} // namespace

std::vector<std::uint8_t> BaueDialogVorlage(const std::vector<VorlagenElement>& elemente,
                                            VorlagenForm form)
{
    if (elemente.size() > 0xFFFF)
        throw CInvalidArgException("Zu viele Steuerelemente für eine Dialogvorlage");
    for (const VorlagenElement& e : elemente)
        PruefeElement(form, e);
    CSchreiber s;
    SchreibeKopf(s, form, elemente);
    for (const VorlagenElement& e : elemente)
        SchreibeElement(s, form, e);
    return s.Ergebnis();
}

bool LeseDialogElement(DialogVorlage vorlage, int id, VorlagenElement& element)
{
    element = VorlagenElement{};
    if (vorlage.empty())
        return false;
    CLeser l(vorlage);
    const Kopf kopf = LeseKopf(l);
    if (!l.Ok() || kopf.anzahl < 1)
        return false;
    for (int i = 0; i < kopf.anzahl; ++i) {
        VorlagenElement gelesen = LeseElement(l, kopf.erweitert);
        if (!l.Ok())
            return false;
        if (gelesen.id == id) {
            element = std::move(gelesen);
            return true;
        }
        UeberspringeErstellungsdaten(l, kopf.erweitert);
    }
    return false;
}

std::string HoleDialogText(DialogVorlage vorlage, int id)
{
    VorlagenElement element;
    return LeseDialogElement(vorlage, id, element) ? element.text : "";
}
