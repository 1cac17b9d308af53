#include "pages/seitenkoerper.h"
#include "report/protokolldruck.h"
#include "report/virtversuch.h"

#include <algorithm>
#include <array>

namespace {

using Seitenkoerper = void (CProtokollDruck::*)(CDC&, RECT, const std::string&, const std::string&,
                                                const std::string&);

struct Seitenzuordnung
{
    int seitencode;
    Seitenkoerper koerper;
};

// Page 1 of each test type has a body; every other code prints the header alone. Codes below 100
// are the older numbering, kept for the bodies that still exist.
constexpr std::array kSeiten{
    Seitenzuordnung{10001, &CProtokollDruck::DruckeKornsummenlinie},
    Seitenzuordnung{10011, &CProtokollDruck::DruckeProctor},
    Seitenzuordnung{10061, &CProtokollDruck::DruckeZustandsgrenzen},
    Seitenzuordnung{10021, &CProtokollDruck::DruckeVerdichtung},
    Seitenzuordnung{10071, &CProtokollDruck::DruckeTroxler},
    Seitenzuordnung{10031, &CProtokollDruck::DruckeLastplatte},
    Seitenzuordnung{10051, &CProtokollDruck::DruckePlattendruck},
    Seitenzuordnung{10041, &CProtokollDruck::DruckeRammsondierung},
    Seitenzuordnung{10081, &CProtokollDruck::DruckeKorndichte},
    Seitenzuordnung{10111, &CProtokollDruck::DruckeWassergehalt},
    Seitenzuordnung{10121, &CProtokollDruck::DruckeLastplatte},
    Seitenzuordnung{10091, &CProtokollDruck::DruckeBindemittelmenge},
    Seitenzuordnung{10101, &CProtokollDruck::DruckeBodenaustauschdicke},
    Seitenzuordnung{10181, &CProtokollDruck::DruckeGrafikmischSeite},
    Seitenzuordnung{2, &CProtokollDruck::DruckeProctor},
    Seitenzuordnung{3, &CProtokollDruck::DruckeAltSeite3},
    Seitenzuordnung{4, &CProtokollDruck::DruckeAltSeite4},
    Seitenzuordnung{6, &CProtokollDruck::DruckeKornsummenlinie},
    Seitenzuordnung{22, &CProtokollDruck::DruckeZustandsgrenzen},
    Seitenzuordnung{20, &CProtokollDruck::DruckeVerdichtung},
    Seitenzuordnung{23, &CProtokollDruck::DruckeTroxler},
    Seitenzuordnung{12, &CProtokollDruck::DruckeLastplatte},
    Seitenzuordnung{15, &CProtokollDruck::DruckePlattendruck},
    Seitenzuordnung{9, &CProtokollDruck::DruckeRammsondierung},
    Seitenzuordnung{24, &CProtokollDruck::DruckeKornverteilungAlt},
    Seitenzuordnung{25, &CProtokollDruck::DruckeProctorAlt},
    Seitenzuordnung{27, &CProtokollDruck::DruckeKorndichte},
    Seitenzuordnung{28, &CProtokollDruck::DruckeBindemittelmenge},
    Seitenzuordnung{29, &CProtokollDruck::DruckeBodenaustauschdicke},
    Seitenzuordnung{30, &CProtokollDruck::DruckeWassergehalt},
};

} // namespace

void CProtokollDruck::DruckeSeite(CDC* dc, RECT seite, int seitencode,
                                  const std::vector<std::string>& kopfdaten,
                                  const std::string& kopffelder, const std::string& zusatztext,
                                  const std::string& titel)
{
    DruckeKopf(dc, seite, seitencode, kopfdaten, kopffelder, zusatztext);

    const auto eintrag = std::ranges::find(kSeiten, seitencode, &Seitenzuordnung::seitencode);
    if (eintrag != kSeiten.end())
        (this->*eintrag->koerper)(*dc, seite, KopfdatenEintrag(kopfdaten, 1),
                                  KopfdatenEintrag(kopfdaten, 2), titel);
    else if (IstNotizseite(seitencode))
        DruckeNotiz(*dc, seite, KopfdatenEintrag(kopfdaten, 1), KopfdatenEintrag(kopfdaten, 2),
                    seitencode - (kErsteNotizseite - 1));
}
