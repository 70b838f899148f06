#pragma once
// The technical report: a typeset document of the exercise, its results, its charts and its
// compliance checks, beside the plain-text report. The core composes it as a list of blocks;
// a writer lays the blocks out on A4 pages and numbers them.

#include <optional>
#include <string>

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"
#include "core/relazione/documento.h"
#include "core/verifiche/risultati_verifiche.h"

namespace paretix {

inline constexpr const char* TitoloRelazione = "Relazione tecnica";

// The report of a valid run: e as the run left it, r its results, v its checks when they ran;
// file is the exercise file's name and data the day, as the heading shows them.
Relazione ComponiRelazione(const Esercizio& e, RisultatiCalcolo& r,
                           const std::optional<RisultatiVerifiche>& v, const std::string& file,
                           const std::string& data);

// "Pagina 2 di 5", at the foot of every page.
std::string TestoPagina(int pagina, int pagine);

} // namespace paretix
