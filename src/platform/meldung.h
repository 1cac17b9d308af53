#pragma once
// Message boxes. The application binds the output to QMessageBox; tests capture what it shows.

#include <functional>
#include <string>

enum class MeldungsArt { Hinweis, Warnung, Fehler };

// The title bar of a box whose caller names no caption.
inline constexpr const char* ProgrammTitel = "AXO Protokollübersicht";

// One message box: its text, caption and symbol. Every box has a single OK button.
struct Meldung
{
    std::string text;
    std::string titel;
    MeldungsArt art = MeldungsArt::Hinweis;

    bool operator==(const Meldung&) const = default;
};

void ZeigeMeldung(const std::string& text, MeldungsArt art = MeldungsArt::Hinweis,
                  const std::string& titel = ProgrammTitel);

using MeldungsAusgabe = std::function<void(const Meldung& meldung)>;
// Replaces the output and returns the previous one; without an output, texts go to stderr.
MeldungsAusgabe SetzeMeldungsAusgabe(MeldungsAusgabe ausgabe);
