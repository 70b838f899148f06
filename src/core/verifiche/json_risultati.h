#pragma once
// The results of a run and of its checks as one JSON object, for other programs to read. The
// keys and their units are listed in docs/json.md.

#include <string>
#include <utility>
#include <vector>

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"
#include "core/verifiche/risultati_verifiche.h"

namespace paretix {

// The object of a valid run: "risultati" with the calculation types that ran, and, when the
// checks are on, "verifiche" with the checks that ran. Numbers in SI units (temperatures in
// °C, sound in dB), UTF-8, no final newline.
std::string JsonRisultati(const Esercizio& e, const RisultatiCalcolo& r,
                          const RisultatiVerifiche& v);

// One line of JSON Lines for many files: the same object on one line with "file" first, or,
// for a file that gave no results, "file" and "errore" with the message and the exit status
// the file alone would have had.
std::string JsonRigaRisultati(const std::string& file, const Esercizio& e,
                              const RisultatiCalcolo& r, const RisultatiVerifiche& v);
std::string JsonRigaErrore(const std::string& file, const std::string& messaggio, int stato);

// Numbers put before "file" in a line, such as the varied values of a sweep.
using CampiIniziali = std::vector<std::pair<std::string, double>>;
std::string JsonRigaRisultati(const CampiIniziali& iniziali, const std::string& file,
                              const Esercizio& e, const RisultatiCalcolo& r,
                              const RisultatiVerifiche& v);
std::string JsonRigaErrore(const CampiIniziali& iniziali, const std::string& file,
                           const std::string& messaggio, int stato);

} // namespace paretix
