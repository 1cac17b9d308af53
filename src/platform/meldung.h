#pragma once
// Message boxes. The application binds the output to QMessageBox; tests capture the texts.

#include <functional>
#include <string>

enum class MeldungsArt { Hinweis, Warnung, Fehler };

void ZeigeMeldung(const std::string& text, MeldungsArt art = MeldungsArt::Hinweis);

using MeldungsAusgabe = std::function<void(const std::string& text, MeldungsArt art)>;
// Replaces the output and returns the previous one; without an output, texts go to stderr.
MeldungsAusgabe SetzeMeldungsAusgabe(MeldungsAusgabe ausgabe);
