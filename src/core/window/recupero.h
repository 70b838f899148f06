#pragma once
// The recovery file: while the exercise is modified, the window writes it every minute to the
// user's state folder, so that a crash or a power cut costs at most a minute of work. The
// operations are FinestraPrincipale's (recupero.cpp); these are their rules and texts.

#include <cstddef>
#include <ctime>
#include <optional>
#include <string>

namespace paretix {

inline constexpr const char* NomeFileRecupero = "recupero.css";
// How often the recovery file is written, in milliseconds.
constexpr int IntervalloRecupero = 60000;

inline constexpr const char* PrefissoDomandaRipristino =
    "È stato trovato un esercizio non salvato del ";
inline constexpr const char* SuffissoDomandaRipristino = ": ripristinarlo?";
inline constexpr const char* PrefissoFileRipristino = " (file ";
// Beside the recovery file, the path of the file the exercise belongs to, while it has one.
inline constexpr const char* EstensionePercorsoRecupero = ".percorso";
// A path is far shorter than this; a longer file is not one the program wrote.
constexpr std::size_t LunghezzaMassimaPercorso = 65536;

// "07/12/2026 alle 15:38": a moment in local time, as the question names it.
std::string TestoDataOra(std::time_t istante);
// The question names the exercise's file, when it had one.
std::string DomandaRipristino(std::time_t salvato, const std::string& file = "");

// When the file was last written, or nothing when it does not exist.
std::optional<std::time_t> UltimaScrittura(const std::string& percorso);

} // namespace paretix
