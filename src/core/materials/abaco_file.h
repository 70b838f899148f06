#pragma once
// abaco.txt, the materials database on disk: Windows-1252 text with CR LF line ends, six lines
// per row, one row after the other:
//
//   the row marker "¶" (byte 0xB6),
//   Materiale, Densità, Conduttività, Permeabilità, FatAssorbimento.
//
// The writer puts each value trimmed and followed by one blank, so a blank value is a line
// holding one space. The reader trims blanks (spaces only) from every line and stops at the
// first line where a marker should be and is not (a blank line, the end of the file) or at a
// row cut short by the end of the file, which is not counted.
//
// The specific heats follow the rows, only when a row has one, as a section a reader of the
// six-line rows alone keeps unread and writes back unchanged:
//
//   the title "Calori specifici J/kgK",
//   one line per row with a specific heat: its name, "=", the value ("Acciaio=450"),
//
// ending at the first line without "=". A line belongs to the first row of that name, in
// order, that no line has taken yet (the name is split from the value at the last "="), so a
// row without a value before a row of the same name with one has an empty line ("Legno=");
// a line whose name no row has is dropped at the next save.
//
// The moisture data follow as a second section of the same kind, which a reader of the rows
// and the specific heats alone keeps unread in its turn:
//
//   the title "Umidita: porosita;w80 kg/m3;wf kg/m3;A kg/m2s0,5",
//   one line per row with moisture data: its name, "=", the porosity, w80, wf and A in this
//   order, separated by ";" ("Laterizio=0,35;5;300;0,25"; a value not known is left empty),
//
// with the same rules of ending, names and empty lines. Of a line with more than four values
// the first four are read.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/files/esito_scrittura.h"
#include "core/materials/voce_abaco.h"

namespace paretix {

// A fresh database: the one group title "Metalli".
inline constexpr std::string_view ContenutoAbacoPredefinito =
    "\xB6\r\nMetalli\r\n \r\n \r\n \r\n \r\n";

// Far beyond any real list of materials; a larger file is taken as unreadable.
constexpr std::size_t DimensioneMassimaAbaco = 64 * 1024 * 1024;

struct ContenutoAbaco {
    Abaco Voci;
    // The file's bytes from the line where the reading stopped to its end, unchanged, less the
    // sections of specific heats and moisture data. The writer puts them back after the rows
    // and those sections, so what the program did not understand is kept.
    std::string Coda;

    bool operator==(const ContenutoAbaco&) const = default;
};

// Reads the rows from the bytes of abaco.txt. A file saved as UTF-8 by another editor (a
// marker of two bytes) is read as its text in Windows-1252, and written back so.
ContenutoAbaco LetturaAbaco(std::string_view contenuto);

// The text the reader takes from contenuto: a database that another editor saved as UTF-8 as the
// same text in Windows-1252, any other as it is.
std::string TestoAbacoLetto(std::string_view contenuto);

// Reads abaco.txt from percorso; nothing when the file cannot be read (missing, unreadable,
// larger than DimensioneMassimaAbaco) or is in UTF-8 with characters Windows-1252 lacks, which
// the program could not write back: then *caratteriUtf8, when given, is set.
std::optional<ContenutoAbaco> Prosegui(const std::string& percorso, bool* caratteriUtf8 = nullptr);

inline constexpr std::string_view TitoloCaloriSpecifici = "Calori specifici J/kgK";
inline constexpr std::string_view TitoloUmidità =
    "Umidita: porosita;w80 kg/m3;wf kg/m3;A kg/m2s0,5";

// The bytes of abaco.txt for the rows, their specific heats, their moisture data, then coda
// (the tail kept from the reading). Nothing when a value holds a character that Windows-1252
// lacks or a line break, a specific heat holds "=" or a moisture value "=" or ";".
std::optional<std::string> ContenutoFileAbaco(const Abaco& abaco, std::string_view coda);

// Rewrites abaco.txt at percorso whole and tells why it could not (Altro for rows that cannot
// be stored); on failure the file is untouched. Whether the program may write at all
// (ScritturaConsentita) is the caller's test.
EsitoScrittura SalvaAbaco(const std::string& percorso, const Abaco& abaco, std::string_view coda);

} // namespace paretix
