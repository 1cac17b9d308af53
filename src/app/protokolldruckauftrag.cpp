#include "app/protokolldruckauftrag.h"

#include "app/zusammenstellungszeile.h"
#include "data/pfade.h"
#include "data/protokolle.h"
#include "platform/meldung.h"
#include "platform/qtdc.h"
#include "platform/qtext.h"
#include "platform/recordingdc.h"
#include "platform/text.h"
#include "platform/zwischendatei.h"
#include "report/versuchstypen.h"

#include <QIODevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <array>
#include <cerrno>
#include <new>

namespace {

using Erzeuger = std::unique_ptr<CVirtVersuch> (*)(int version);

template <typename Versuch> std::unique_ptr<CVirtVersuch> Neu(int)
{
    return std::make_unique<Versuch>();
}

template <typename Versuch> std::unique_ptr<CVirtVersuch> NeuMitVersion(int version)
{
    return std::make_unique<Versuch>(version);
}

constexpr int kErstePruefart = 1000;

// Indexed by test type - 1000; null for a type that prints no report.
constexpr std::array<Erzeuger, 21> kErzeuger = {
    Neu<CV_kornsummenlinie>,       // 1000
    Neu<CV_proctor>,               // 1001
    Neu<CV_verdichtung>,           // 1002
    Neu<CV_lastplatte>,            // 1003
    Neu<CV_rammsondierung>,        // 1004
    Neu<CV_plattendruck>,          // 1005
    Neu<CV_zustandsgrenzen>,       // 1006
    Neu<CV_troxler>,               // 1007
    Neu<CV_korndichte>,            // 1008
    Neu<CV_bindemittelmenge>,      // 1009
    Neu<CV_bodenaustauschdicke>,   // 1010
    Neu<CV_wassergehalt>,          // 1011
    Neu<CV_lastplatte15kg>,        // 1012
    Neu<CV_Glueverlust>,           // 1013
    Neu<CV_Sedimentation>,         // 1014
    Neu<CV_Terzaghi>,              // 1015
    Neu<CV_Kalkgehalt>,            // 1016
    NeuMitVersion<CV_Wasserdlkb>,  // 1017
    NeuMitVersion<CV_Grafikmisch>, // 1018
    nullptr,                       // 1019
    Neu<CV_Notiz>,                 // 1020
};

// The header record: designation, an empty field, client, protocol-number prefix.
std::string BildeKopfsatz(const CProtokolle& protokolle)
{
    return protokolle.HoleMassnahmeWert("massnahme_bezeichnung") + "||" +
           protokolle.HoleMassnahmeWert("massnahme_auftraggeber") + "|" +
           protokolle.HoleMassnahmeWert("massnahme_protNrPraefix");
}

// The test object of the protocol with its data; null when its test type prints no report.
std::unique_ptr<CVirtVersuch> LadeVersuch(const CProtokoll& protokoll)
{
    std::unique_ptr<CVirtVersuch> versuch =
        ErzeugeVersuch(protokoll.GetPruefart(), protokoll.GetPruefartVER());
    if (versuch)
        versuch->LeseProtokollXml(protokoll.SchreibeXML(), false);
    return versuch;
}

// The PDF writer's way into the file written beside its place. Qt's PDF writer does not look at
// its writes; the file remembers whether one failed, and why.
class CZwischendateiGeraet : public QIODevice
{
public:
    explicit CZwischendateiGeraet(CZwischendatei& datei) : m_datei(datei)
    {
        open(QIODevice::WriteOnly);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* daten, qint64 laenge) override
    {
        return m_datei.Schreibe({daten, static_cast<std::size_t>(laenge)}) ? laenge : -1;
    }

private:
    CZwischendatei& m_datei;
};

// The file's PDF writer, set up as the user's printer.
void RichteDateischreiberEin(QPdfWriter& schreiber, const QPrinter& drucker)
{
    schreiber.setResolution(drucker.resolution());
    schreiber.setPageLayout(drucker.pageLayout());
    schreiber.setPdfVersion(drucker.pdfVersion());
    schreiber.setTitle(drucker.docName());
    schreiber.setCreator(drucker.creator());
}

// Logs why the print failed on page `seite` (0: before its first page), from within the handler
// of what was thrown; ENOMEM when the memory ran out, else 0.
int NotiereDruckfehler(int seite)
{
    const std::string wo = seite > 0 ? StringFormat("Druckseite %d", seite) : "Druck";
    try {
        throw;
    } catch (const std::bad_alloc&) {
        qWarning("%s abgebrochen: kein Arbeitsspeicher", wo.c_str());
        return ENOMEM;
    } catch (const std::exception& fehler) {
        qWarning("%s abgebrochen: %s", wo.c_str(), qUtf8Printable(AusCp1252(fehler.what())));
    } catch (...) {
        qWarning("%s abgebrochen", wo.c_str());
    }
    return 0;
}

// Ends the painter, whose writer then puts out the page it holds and what its file still lacks:
// 0, ENOMEM when the memory ran out there, -1 for another failure. Without memory the painter is
// let go without its writer's end, as the same failure in its destructor would end the program.
int BeendeMaler(QPainter& maler)
{
    if (!maler.isActive())
        return 0;
    try {
        return maler.end() ? 0 : -1;
    } catch (const std::bad_alloc&) {
        maler.paintEngine()->setActive(false);
        maler.end();
        return ENOMEM;
    }
}

// The sheets in the order they come out. Qt leaves the print dialog's copies, collated or not, to
// the program where the printer cannot make them, as in a file, and its page order in a file.
std::vector<int> Blattfolge(const QPrinter& drucker, std::vector<int> seiten, bool inDatei)
{
    if (inDatei && drucker.pageOrder() == QPrinter::LastPageFirst)
        std::reverse(seiten.begin(), seiten.end());
    const std::size_t kopien =
        inDatei || !drucker.supportsMultipleCopies() ? std::max(1, drucker.copyCount()) : 1;
    std::vector<int> blaetter;
    blaetter.reserve(seiten.size() * kopien);
    if (drucker.collateCopies()) {
        for (std::size_t kopie = 0; kopie < kopien; ++kopie)
            blaetter.insert(blaetter.end(), seiten.begin(), seiten.end());
    } else {
        for (int seite : seiten)
            blaetter.insert(blaetter.end(), kopien, seite);
    }
    return blaetter;
}

} // namespace

std::unique_ptr<CVirtVersuch> ErzeugeVersuch(int pruefart, int version)
{
    const long index = long(pruefart) - kErstePruefart;
    if (index < 0 || index >= long(kErzeuger.size()) || kErzeuger[std::size_t(index)] == nullptr)
        return nullptr;
    return kErzeuger[std::size_t(index)](version);
}

RECT BildeSeitenrechteck(const DRUCKBEREICH& bereich)
{
    return {1000 - bereich.versatzX, -1000 - bereich.versatzY, bereich.breiteMm * 100,
            100 - bereich.hoeheMm * 100};
}

bool PruefeDruckauswahl(bool protokollseite, bool ausgewaehlt)
{
    if (ausgewaehlt)
        return true;
    ZeigeMeldung(protokollseite ? "Die zu druckenden Protokolle müssen vorher ausgewählt werden!"
                                : "Die zu druckenden Messungen müssen vorher ausgewählt werden!",
                 MeldungsArt::Warnung, "Drucken");
    return false;
}

bool PruefeBerichte(const CProtokolle& protokolle, const std::vector<std::string>& schluessel)
{
    const CProtokollIndex index(protokolle);
    const auto hatSeiten = [&index](const std::string& id) {
        const CProtokoll* protokoll = index.Finde(id);
        const std::unique_ptr<CVirtVersuch> versuch = protokoll ? LadeVersuch(*protokoll) : nullptr;
        return versuch && versuch->HoleSeitenzahl() > 0;
    };
    if (std::any_of(schluessel.begin(), schluessel.end(), hatSeiten))
        return true;
    ZeigeMeldung("Die Auswahl enthält kein Protokoll mit einem Bericht.", MeldungsArt::Warnung,
                 "Drucken");
    return false;
}

void CProtokolldruckAuftrag::BereiteProtokolldruckVor(const CProtokolle& protokolle,
                                                      const std::vector<std::string>& schluessel)
{
    m_zusammenstellungAktiv = false;
    m_seiten.AlleEntfernen();
    const std::string kopfsatz = BildeKopfsatz(protokolle);
    const std::string fusstext = protokolle.HoleMassnahmeWert("massnahme_fusstext");
    const CProtokollIndex index(protokolle);
    for (const std::string& id : schluessel) {
        const CProtokoll* protokoll = index.Finde(id);
        std::unique_ptr<CVirtVersuch> versuch = protokoll ? LadeVersuch(*protokoll) : nullptr;
        if (!versuch)
            continue;
        versuch->SetzeKopfdaten(kopfsatz, fusstext);
        m_seiten.FuegeVersuchHinzu(std::move(versuch));
    }
}

void CProtokolldruckAuftrag::BereiteZusammenstellungVor(
    const CProtokolle& protokolle, const std::vector<MessungsSchluessel>& messungen)
{
    m_seiten.AlleEntfernen();
    m_zusammenstellungAktiv = true;
    BereiteZusammenstellungszeilenVor(m_zusammenstellung, protokolle, messungen);
    // Text measures alike on every device context, so the rows fall on the same pages as on
    // the printer.
    RecordingDC messen;
    m_zusammenstellung.Paginiere(&messen);
}

int CProtokolldruckAuftrag::GetSeitenzahl() const
{
    return m_zusammenstellungAktiv ? m_zusammenstellung.Seitenzahl() : m_seiten.GetSeitenzahl();
}

bool CProtokolldruckAuftrag::DruckeSeite(int seite, CDC& dc, const RECT& seitenRechteck)
{
    if (seite < 1 || seite > GetSeitenzahl())
        return false;
    try {
        ZeichneSeiteAuf(seite, dc, seitenRechteck);
        return true;
    } catch (...) {
        NotiereDruckfehler(seite);
    }
    return false;
}

void CProtokolldruckAuftrag::ZeichneSeiteAuf(int seite, CDC& dc, const RECT& seitenRechteck)
{
    // A setting changed while the job runs takes effect with the next page.
    g_pfade.LeseRegistry();
    if (m_zusammenstellungAktiv)
        m_zusammenstellung.DruckeSeite(seite, &dc, seitenRechteck);
    else
        m_seiten.DruckeSeite(seite, &dc, seitenRechteck);
}

bool CProtokolldruckAuftrag::ZeichneSeite(int seite, QPainter& maler, double dpiX, double dpiY,
                                          const RECT& seitenRechteck, bool graustufen)
{
    // Each page starts from a fresh device context, whatever the last one left selected.
    maler.save();
    QtDC dc(maler, dpiX, dpiY, graustufen);
    const bool gezeichnet = DruckeSeite(seite, dc, seitenRechteck);
    maler.restore();
    return gezeichnet;
}

std::vector<int> CProtokolldruckAuftrag::ZuDruckendeSeiten(const QPrinter& drucker,
                                                           bool nurGewaehlte) const
{
    const QPageRanges bereiche = nurGewaehlte && drucker.printRange() == QPrinter::PageRange
                                     ? drucker.pageRanges()
                                     : QPageRanges();
    std::vector<int> seiten;
    for (int seite = 1; seite <= GetSeitenzahl(); ++seite)
        if (bereiche.isEmpty() || bereiche.contains(seite))
            seiten.push_back(seite);
    return seiten;
}

CProtokolldruckAuftrag::Druckergebnis
CProtokolldruckAuftrag::DruckeSeiten(QPrinter& drucker, bool nurGewaehlte,
                                     const Fortschritt& fortschritt)
{
    m_fehlernummer = 0;
    m_fehlseite = 0;
    const std::vector<int> seiten = ZuDruckendeSeiten(drucker, nurGewaehlte);
    if (seiten.empty())
        return GetSeitenzahl() == 0 ? Druckergebnis::Gedruckt : Druckergebnis::KeineSeiteImBereich;
    // The rectangle of the printer's sheet, whatever the preview beside it draws on.
    const RECT rechteck = BildeSeitenrechteck(LeseDruckbereich(drucker));
    const bool inDatei = !drucker.outputFileName().isEmpty();
    const std::vector<int> blaetter = Blattfolge(drucker, seiten, inDatei);
    if (inDatei)
        return DruckeInDatei(drucker, rechteck, blaetter, fortschritt);
    QPainter maler; // ends the job when it goes
    // The printer prints in its own colour mode.
    const Druckergebnis ergebnis =
        ZeichneSeiten(drucker, rechteck, maler, blaetter, fortschritt, false);
    if (ergebnis == Druckergebnis::Abgebrochen || ergebnis == Druckergebnis::Gescheitert) {
        drucker.abort();
        BeendeMaler(maler);
    } else if (ergebnis == Druckergebnis::Gedruckt && BeendeMaler(maler) == ENOMEM) {
        m_fehlernummer = ENOMEM;
        return Druckergebnis::Gescheitert;
    }
    return ergebnis;
}

CProtokolldruckAuftrag::Druckergebnis
CProtokolldruckAuftrag::DruckeInDatei(const QPrinter& drucker, const RECT& rechteck,
                                      const std::vector<int>& seiten,
                                      const Fortschritt& fortschritt)
{
    // The file is printed beside its place and takes it only when it is whole: a full disk, a
    // cancel or a page that fails leaves an old file there as it was. Where the new file cannot
    // take the old one's place as its owner's (its folder takes no new file or lets only the owner
    // replace it, or the file could not be given back to the owner), the whole report is written
    // into the old file at the end.
    CZwischendatei datei(PfadAusQString(drucker.outputFileName()),
                         CZwischendatei::InGeschuetztemOrdner::ZielSelbstSchreiben);
    m_fehlernummer = datei.Fehlernummer();
    if (!datei.IstAngelegt())
        return datei.IstAbgelehnt() ? Druckergebnis::NichtGeschrieben
                                    : Druckergebnis::NichtAngelegt;
    CZwischendateiGeraet geraet(datei);
    QPdfWriter schreiber(&geraet);
    RichteDateischreiberEin(schreiber, drucker);
    QPainter maler;
    // The PDF writer knows no colour mode: a grayscale printer's file is drawn in gray.
    const bool graustufen = drucker.colorMode() == QPrinter::GrayScale;
    const Druckergebnis ergebnis =
        ZeichneSeiten(schreiber, rechteck, maler, seiten, fortschritt, graustufen);
    const int beendet = BeendeMaler(maler);
    if (ergebnis != Druckergebnis::Gedruckt)
        return ergebnis;
    if (beendet == ENOMEM) {
        m_fehlernummer = ENOMEM;
        return Druckergebnis::Gescheitert;
    }
    const bool ersetzt = beendet == 0 && datei.Ersetze();
    m_fehlernummer = datei.Fehlernummer();
    if (ersetzt)
        return Druckergebnis::Gedruckt;
    return datei.ZielBeschaedigt() ? Druckergebnis::Unvollstaendig
                                   : Druckergebnis::NichtGeschrieben;
}

CProtokolldruckAuftrag::Druckergebnis
CProtokolldruckAuftrag::ZeichneSeiten(QPagedPaintDevice& geraet, const RECT& rechteck,
                                      QPainter& maler, const std::vector<int>& seiten,
                                      const Fortschritt& fortschritt, bool graustufen)
{
    const int gesamt = static_cast<int>(seiten.size());
    // A print without one of its pages is none. Qt's writer puts out the last sheet when it
    // starts the next one, which may find no memory either, nor may its start.
    int seite = 0;
    try {
        if (!maler.begin(&geraet))
            return Druckergebnis::NichtBegonnen;
        for (int i = 0; i < gesamt; ++i) {
            if (fortschritt && !fortschritt(i, gesamt))
                return Druckergebnis::Abgebrochen;
            seite = seiten[std::size_t(i)];
            if (i > 0)
                geraet.newPage();
            maler.save();
            QtDC dc(maler, geraet.logicalDpiX(), geraet.logicalDpiY(), graustufen);
            ZeichneSeiteAuf(seite, dc, rechteck);
            maler.restore();
        }
    } catch (...) {
        m_fehlernummer = NotiereDruckfehler(seite);
        m_fehlseite = seite;
        return Druckergebnis::Gescheitert;
    }
    return Druckergebnis::Gedruckt;
}
