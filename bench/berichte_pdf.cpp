// Printing every protocol of the sample project to a PDF file, beside a bare PDF writer drawing
// the same primitives with plain QPainter calls: the floor of any report printing. At the end
// the pages per second of both and their ratio are printed.

#include "app/protokolldruckauftrag.h"
#include "data/protokolle.h"
#include "musterbauer.h"
#include "pages/seitenlogo.h"
#include "platform/dateien.h"
#include "platform/druckbereich.h"
#include "platform/qtdc.h"
#include "platform/qtext.h"
#include "platform/recordingdc.h"
#include "platform/schriften.h"
#include "qtumgebung.h"
#include "report/dib.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <sstream>

namespace {

// The sample project in a collection and the sample logo registered.
struct Musterauftrag
{
    Musterauftrag()
    {
        const MusterProjekt projekt = BaueMusterprojekt();
        for (const auto& [schluessel, wert] : projekt.metadaten)
            protokolle.SetzeMassnahmeWert(schluessel, wert);
        for (const CProtokoll& protokoll : projekt.protokolle) {
            ids.push_back(protokoll.GetID());
            protokolle.FuegeHinzu(std::make_unique<CProtokoll>(protokoll));
        }
        // Every protocol selected twice over: each page of the sample printed twice.
        const std::vector<std::string> einmal = ids;
        ids.insert(ids.end(), einmal.begin(), einmal.end());
        // The build writes the sample logo into the build folder, above the benchmarks'.
        if (logo.LadeLogoDatei(ProgrammOrdner() / "../axo.sys") == 0)
            std::fprintf(stderr, "berichte_pdf: kein Musterlogo\n");
        SetzeSeitenlogo(&logo);
    }

    CProtokolle protokolle;
    std::vector<std::string> ids;
    CDib logo;
};

Musterauftrag& Auftrag()
{
    static Musterauftrag auftrag;
    return auftrag;
}

void RichteA4Ein(QPrinter& drucker, const QString& datei)
{
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(datei);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageOrientation(QPageLayout::Portrait);
}

void BerichtePdf(benchmark::State& state)
{
    Musterauftrag& muster = Auftrag();
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("berichte.pdf"));
    int seiten = 0;
    for (auto _ : state) {
        QPrinter drucker(QPrinter::HighResolution);
        RichteA4Ein(drucker, datei);
        CProtokolldruckAuftrag auftrag;
        auftrag.SetzeSeitenrechteck(BildeSeitenrechteck(LeseDruckbereich(drucker)));
        auftrag.BereiteProtokolldruckVor(muster.protokolle, muster.ids);
        auftrag.DruckeSeiten(drucker, false);
        seiten = auftrag.GetSeitenzahl();
    }
    state.SetItemsProcessed(state.iterations() * seiten);
    state.counters["Seiten"] = seiten;
    state.counters["PdfBytes"] = double(QFileInfo(datei).size());
}
BENCHMARK(BerichtePdf)->Unit(benchmark::kMillisecond)->MinTime(3);

// Every page of the job as the recording context got it.
std::vector<std::vector<DCEintrag>> AufgezeichneteSeiten(const RECT& seitenRechteck)
{
    Musterauftrag& muster = Auftrag();
    CProtokolldruckAuftrag auftrag;
    auftrag.SetzeSeitenrechteck(seitenRechteck);
    auftrag.BereiteProtokolldruckVor(muster.protokolle, muster.ids);
    std::vector<std::vector<DCEintrag>> seiten;
    for (int seite = 1; seite <= auftrag.GetSeitenzahl(); ++seite) {
        RecordingDC dc;
        auftrag.DruckeSeite(seite, dc);
        seiten.push_back(dc.Eintraege());
    }
    return seiten;
}

// Qt's own font for a recorded one: the face's family at the em size, bold from 600 on.
QFont QtSchrift(const LOGFONT& schrift, const CTextMetrik& metrik)
{
    static std::map<std::pair<std::string, int>, QFont> schriften;
    const double em = metrik.Zelle(schrift).em;
    QFont& font = schriften[{schrift.lfFaceName, schrift.lfWeight}];
    if (font.family().isEmpty()) {
        font = QFont(Schriftschnitt(schrift).rohschrift.familyName());
        font.setBold(schrift.lfWeight >= FW_SEMIBOLD);
    }
    QFont groesse = font;
    groesse.setPixelSize(std::max(1, int(em)));
    return groesse;
}

QPolygon Polygon(const std::vector<POINT>& punkte)
{
    QPolygon polygon;
    for (const POINT& p : punkte)
        polygon.append(QPoint(p.x, p.y));
    return polygon;
}

// The primitives with plain QPainter calls, in logical units on the page.
void ZeichneBlank(QPainter& maler, const DCEintrag& e, const QImage& logo)
{
    const QRect rechteck =
        QRect(QPoint(e.rechteck.left, e.rechteck.top), QPoint(e.rechteck.right, e.rechteck.bottom))
            .normalized();
    maler.setPen(QPen(AlsQColor(e.zustand.stift.Farbe()), e.zustand.stift.Breite()));
    maler.setBrush(AlsQColor(e.zustand.pinsel.Farbe()));
    switch (e.art) {
    case DCPrimitiv::Linienzug:
        maler.drawPolyline(Polygon(e.punkte));
        break;
    case DCPrimitiv::Polygon:
        maler.drawPolygon(Polygon(e.punkte));
        break;
    case DCPrimitiv::Rechteck:
        maler.drawRect(rechteck);
        break;
    case DCPrimitiv::Ellipse:
        maler.drawEllipse(rechteck);
        break;
    case DCPrimitiv::Flaeche:
        maler.fillRect(rechteck, AlsQColor(e.fuellung.Farbe()));
        break;
    case DCPrimitiv::Text: {
        const LOGFONT& schrift = e.zustand.schrift.GetLogFont();
        maler.save();
        maler.setFont(QtSchrift(schrift, SchriftMetrik()));
        maler.setPen(AlsQColor(e.zustand.textFarbe));
        maler.translate(e.punkte.front().x, e.punkte.front().y);
        maler.rotate(-schrift.lfEscapement / 10.0);
        maler.scale(1, -1);
        maler.drawText(QPointF(0, 0), AusCp1252(e.text));
        maler.restore();
        break;
    }
    case DCPrimitiv::Bild:
        maler.drawImage(rechteck, logo);
        break;
    }
}

void BlankerPdfSchreiber(benchmark::State& state)
{
    Musterauftrag& muster = Auftrag();
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("boden.pdf"));
    std::vector<std::vector<DCEintrag>> seiten;
    {
        QPrinter drucker(QPrinter::HighResolution);
        RichteA4Ein(drucker, datei);
        seiten = AufgezeichneteSeiten(BildeSeitenrechteck(LeseDruckbereich(drucker)));
    }
    // Decoded once, as a plain bitmap file.
    std::ostringstream bmp;
    muster.logo.Schreibe(bmp);
    const QImage logo = QImage::fromData(QByteArray::fromStdString(bmp.str()), "BMP");
    for (auto _ : state) {
        QPdfWriter pdf(datei);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(1200);
        QPainter maler(&pdf);
        maler.setTransform(QTransform::fromScale(1200 / 2540.0, -1200 / 2540.0));
        for (std::size_t s = 0; s < seiten.size(); ++s) {
            if (s > 0)
                pdf.newPage();
            for (const DCEintrag& eintrag : seiten[s])
                ZeichneBlank(maler, eintrag, logo);
        }
        maler.end();
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(seiten.size()));
    state.counters["Seiten"] = double(seiten.size());
    state.counters["PdfBytes"] = double(QFileInfo(datei).size());
}
BENCHMARK(BlankerPdfSchreiber)->Unit(benchmark::kMillisecond)->MinTime(3);

// Prints as usual and keeps the pages per second of each benchmark for the ratio.
class VerhaeltnisBericht : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& laeufe) override
    {
        ConsoleReporter::ReportRuns(laeufe);
        for (const Run& lauf : laeufe)
            if (auto it = lauf.counters.find("items_per_second"); it != lauf.counters.end())
                m_seitenJeSekunde[lauf.benchmark_name()] = it->second.value;
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const double berichte = m_seitenJeSekunde["BerichtePdf/min_time:3.000"];
        const double boden = m_seitenJeSekunde["BlankerPdfSchreiber/min_time:3.000"];
        if (berichte > 0 && boden > 0)
            std::printf("Berichte %.0f Seiten/s, blanker PDF-Schreiber %.0f Seiten/s, "
                        "Verhaeltnis %.2f\n",
                        berichte, boden, berichte / boden);
    }

private:
    std::map<std::string, double> m_seitenJeSekunde;
};

} // namespace

int main(int argc, char** argv)
{
    const CQtBenchUmgebung umgebung;
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    VerhaeltnisBericht bericht;
    benchmark::RunSpecifiedBenchmarks(&bericht);
    return 0;
}
