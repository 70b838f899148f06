#pragma once
// What paretix-report writes and how it ends: the exit statuses the help text lists, and the
// writes to standard output and standard error.

#include <cstdio>
#include <string>
#include <string_view>

namespace paretix::cli {

constexpr int EsitoRiuscito = 0;
constexpr int EsitoDatiNonValidi = 1;
constexpr int EsitoFileRifiutato = 2;
constexpr int EsitoNessunaVariante = 3;
constexpr int EsitoUsoErrato = 64;        // EX_USAGE
constexpr int EsitoScritturaFallita = 74; // EX_IOERR

// Writes testo whole, with the control characters made safe when flusso is a terminal.
bool Scrivi(std::FILE* flusso, std::string_view testo);

// A message line on standard error.
void Errore(std::string_view testo);

// Writes testo on standard output and flushes it: EsitoRiuscito, or EsitoScritturaFallita with
// the reason on standard error.
int ScriviUscita(const std::string& testo);

} // namespace paretix::cli
