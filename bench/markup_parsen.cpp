// Parse throughput of the XML document class against pugixml on protocol-like XML.

#include "data/markup.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <string>
#include <vector>

namespace {

// One protocol as the writer lays it out: attributes, data texts and a list of measurements.
std::string Protokoll(int nummer, int messungen)
{
    const std::string id = std::to_string(nummer);
    std::string xml = "<protokoll version=\"0.0.2\" ID=\"P" + id + "\" titel_ID=\"T" +
                      std::to_string(nummer % 13) +
                      "\" pruefart_ID=\"1001\" pruefart_VER=\"3\" pruefunterartKuerzel=\"KV\">\r\n"
                      "<daten>\r\n<daten_allgemein>{Baumaßnahme B " + id +
                      "|Auftraggeber &amp; Partner|12.05.2026|Labor Süd|&lt;Bemerkung&gt;}"
                      "{1|2|3|4|5|6|7|8|9|10}{Ort@Straße@1}</daten_allgemein>\r\n"
                      "<daten_speziell>{0.25|1.85|2.10@2.05@1.98}{Ev2|45.3|Ev2/Ev1|2.1}"
                      "{Proctor|1.95|0.12|98.5}{|||||}</daten_speziell>\r\n<daten_messungen>\r\n";
    for (int m = 1; m <= messungen; ++m) {
        const std::string lfd = std::to_string(m);
        xml += "<messung lfdNr=\"" + lfd + "\" station=\"km 12+" + lfd +
               "0\" schicht=\"Planum\" lage=\"links\">[wassergehalt|0.1" + lfd +
               "][dichte|1.9" + lfd + "][verdichtungsgrad|0.98]</messung>\r\n";
    }
    xml += "</daten_messungen>\r\n</daten>\r\n</protokoll>\r\n";
    return xml;
}

// A few MB in one document: many protocols under one element.
const std::string& GrossesDokument()
{
    static const std::string dokument = [] {
        std::string xml = "<?xml version=\"1.0\"?>\r\n<protokolle>\r\n";
        for (int i = 0; xml.size() < 4'000'000; ++i)
            xml += Protokoll(i, 20);
        return xml + "</protokolle>\r\n";
    }();
    return dokument;
}

// Record-sized documents, as the project loader parses them one by one.
const std::vector<std::string>& Einzelprotokolle()
{
    static const std::vector<std::string> protokolle = [] {
        std::vector<std::string> liste;
        for (int i = 0; i < 1000; ++i)
            liste.push_back(Protokoll(i, i % 12));
        return liste;
    }();
    return protokolle;
}

int64_t Bytes(const std::vector<std::string>& texte)
{
    int64_t summe = 0;
    for (const std::string& t : texte)
        summe += static_cast<int64_t>(t.size());
    return summe;
}

void CMarkupGrossesDokument(benchmark::State& state)
{
    const std::string& text = GrossesDokument();
    for (auto _ : state) {
        CMarkup m;
        if (!m.SetzeDokument(text))
            state.SkipWithError("nicht gelesen");
        benchmark::DoNotOptimize(m);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void PugixmlGrossesDokument(benchmark::State& state)
{
    const std::string& text = GrossesDokument();
    for (auto _ : state) {
        pugi::xml_document d;
        if (!d.load_buffer(text.data(), text.size()))
            state.SkipWithError("nicht gelesen");
        benchmark::DoNotOptimize(d);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void CMarkupEinzelprotokolle(benchmark::State& state)
{
    const auto& texte = Einzelprotokolle();
    CMarkup m; // the loader reuses one document object for every record
    for (auto _ : state) {
        for (const std::string& text : texte) {
            if (!m.SetzeDokument(text))
                state.SkipWithError("nicht gelesen");
        }
        benchmark::DoNotOptimize(m);
    }
    state.SetBytesProcessed(state.iterations() * Bytes(texte));
}

void PugixmlEinzelprotokolle(benchmark::State& state)
{
    const auto& texte = Einzelprotokolle();
    for (auto _ : state) {
        for (const std::string& text : texte) {
            pugi::xml_document d;
            if (!d.load_buffer(text.data(), text.size()))
                state.SkipWithError("nicht gelesen");
            benchmark::DoNotOptimize(d);
        }
    }
    state.SetBytesProcessed(state.iterations() * Bytes(texte));
}

} // namespace

BENCHMARK(CMarkupGrossesDokument)->Unit(benchmark::kMillisecond);
BENCHMARK(PugixmlGrossesDokument)->Unit(benchmark::kMillisecond);
BENCHMARK(CMarkupEinzelprotokolle)->Unit(benchmark::kMillisecond);
BENCHMARK(PugixmlEinzelprotokolle)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
