#pragma once
// dati/clima.txt, the user's library of climates beside abaco.txt: named localities, each with
// the mean θe (°C) and φe (%) of the twelve months. Like abaco.txt it is Windows-1252 text
// written with CR LF line ends (read with CR LF, LF or a lone CR) and rewritten whole through
// the safe writer, so a failed save leaves the previous file as it was.
//
//   # a comment line
//   localita=Milano
//   clima.1=-0,3;83
//   ...
//   clima.12=1,2;86
//
// A locality is its line "localita=" with the name, then exactly the twelve months in order,
// "clima.M=θe;φe" as in the exercise file: numbers with the decimal comma and without digit
// grouping (a point is refused: a hand edit may mean "1.5" as a decimal), φe from 0 to 100.
// Blanks around names and values are dropped; blank lines and lines whose first character that
// is not a blank is "#" are skipped. A name is never empty, never given twice (names are
// compared exactly, capitals included), and holds no character Windows-1252 lacks.
//
// Any other line refuses the whole file with its number, so the program never rewrites a file
// it could not fully read: a hand edit gone wrong is never lost. A rewrite puts the comment
// IntestazioneLibreriaClima first, then the localities in their order with a blank line
// between them; other comments are not kept. A missing file is an empty library.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/scrittura_atomica.h"
#include "core/model/clima.h"

namespace paretix {

struct LocalitaClima {
    std::string Nome; // UTF-8, as the program works
    ClimaAnno Clima;

    bool operator==(const LocalitaClima&) const = default;
};
using LibreriaClima = std::vector<LocalitaClima>;

// Far beyond any library typed by hand; a larger file is taken as unreadable.
constexpr std::size_t DimensioneMassimaLibreriaClima = 16 * 1024 * 1024;

// The comment a rewrite puts first, in UTF-8 like every text of the program; the shipped
// data/clima.txt holds it alone.
inline constexpr std::string_view IntestazioneLibreriaClima =
    "# Paretix LT: climi delle località salvati dall'utente.\r\n"
    "# Per ogni località una riga \"localita=<nome>\" e dodici righe\r\n"
    "# \"clima.M=<temperatura>;<umidità>\", da gennaio (M = 1) a dicembre (M = 12):\r\n"
    "# temperatura media in °C e umidità relativa media in %, con la virgola decimale.\r\n"
    "# Il programma riscrive il file: gli altri commenti non si conservano.\r\n";

// Reads the bytes of clima.txt into libreria. Nothing when the file was accepted; otherwise
// the reason, in Italian, naming the line (from 1), and libreria is left as it was.
std::optional<std::string> LetturaLibreriaClima(std::string_view contenuto,
                                                LibreriaClima& libreria);

// The bytes of clima.txt for the library; nothing when a name is not valid (see
// NomeLocalitaValido) or two localities have the same name.
std::optional<std::string> ContenutoFileClima(const LibreriaClima& libreria);

// Whether nome, blanks at both ends dropped, can be a locality's name: not empty, without line
// breaks, with characters Windows-1252 has only.
bool NomeLocalitaValido(std::string_view nome);

// The locality named nome (blanks at both ends dropped), or nullptr.
const LocalitaClima* TrovaLocalita(const LibreriaClima& libreria, std::string_view nome);

// Replaces the climate of the locality named nome, in its place, or adds it at the end.
void ImpostaLocalita(LibreriaClima& libreria, std::string_view nome, const ClimaAnno& clima);

// "La località "nome" non è nella libreria dei climi.", blanks at both ends of nome dropped.
std::string MessaggioLocalitaAssente(std::string_view nome);

// Removes the locality named nome; whether there was one.
bool TogliLocalita(LibreriaClima& libreria, std::string_view nome);

// The messages of the steps below; each is followed by the path, then by the reason.
inline constexpr const char* MessaggioClimaIlleggibile =
    "Impossibile leggere la libreria dei climi:";
inline constexpr const char* MessaggioClimaNonValido =
    "La libreria dei climi contiene una riga non valida, il file resta com'era:";
inline constexpr const char* MessaggioClimaNonSalvato =
    "Impossibile salvare la libreria dei climi, il file resta com'era:";

// Reads the library at percorso into libreria (emptied first when the file does not exist).
// Nothing on success, otherwise the message for the user and libreria is left as it was.
std::optional<std::string> AperturaLibreriaClima(const std::string& percorso,
                                                 LibreriaClima& libreria);

// Saves clima under the name nome in the library at percorso, replacing a locality of that
// name or adding one: the file is read again, changed and rewritten whole. Nothing on success;
// otherwise the message for the user (the name is not valid, the file cannot be read or holds
// a wrong line, the write failed), and the file is as it was.
std::optional<std::string> SalvaLocalitaClima(const std::string& percorso, std::string_view nome,
                                              const ClimaAnno& clima,
                                              ChiamateFile& chiamate = ChiamateDiSistema());

// Removes the locality named nome from the library at percorso, the same way.
std::optional<std::string> EliminaLocalitaClima(const std::string& percorso, std::string_view nome,
                                                ChiamateFile& chiamate = ChiamateDiSistema());

} // namespace paretix
