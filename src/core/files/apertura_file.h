#pragma once
// Reading an exercise file (layout in formato_esercizio.h).
//
// The file is applied onto the exercise the caller passes, which is not cleared first: values
// the file does not reach (it ends early) or cannot give (a colour, flag or check value that is
// not a number) keep what the exercise held. The layer list grows with blank material layers
// or shrinks to the file's count. The sound value is the one exception: it is set to "0" before
// the unit is read, so a file that ends before the value leaves "0" rather than a number that
// may be meant for another unit. Line ends may be CR LF, LF or a lone CR.
//
// A file of version 2 holds the section of the additional data (dati_aggiuntivi.h) after the
// last layer; a line of it that is not "key=value", a key given twice, a known key with a value
// the program does not accept, or a section without its closing separator refuses the file,
// and the open-error message then names the line. A version-2 file without the section's
// title is refused with the plain message. A version-1 file holds no additional data:
// the exercise's ones are cleared.
//
// A file is refused when it cannot be read, is larger than DimensioneMassimaFileEsercizio, has
// fewer than two lines, when its second line (the version) is not the number 1 or 2, or when its
// tenth line (the layer count) is missing or not a whole number from 1 to 15. The exercise then
// becomes a new empty one (Esercizio{}): nothing of the previous exercise survives.
//
// An accepted file ends in the state of a freshly opened exercise:
// - "Igrometrico" is never on without "Termico": the hygrometric calculation needs the
//   temperatures of the thermal one, so a file with only "Igrometrico" gets both;
// - every layer's rectangle is hatched, its conductivity box shown exactly when "Termico" is
//   on, its absorption-factor box hidden, its thickness box typed (window colour, editable);
// - a layer whose type is "A" apart from blanks becomes an air cavity with the air-cavity
//   set-up (CameraAria1), every other layer a material ("M").
//
// The window around the reader: on success it puts the view selector on "Schema struttura",
// enables "Calcola", disables the print commands, clears the results, sets the caption to the
// file name followed by " - Paretix" and Modificato to "NO". On refusal it shows the window of
// a new exercise (caption "Senza nome - Paretix LT", Modificato "NO") and the message returned,
// titled TitoloErroreDiApertura, with the exclamation icon and an OK button.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/esercizio.h"

namespace paretix {

inline constexpr const char* TitoloErroreDiApertura = "Paretix LT";

// An exercise file takes a few kilobytes; the limit leaves room for megabytes of notes.
constexpr std::size_t DimensioneMassimaFileEsercizio = 16 * 1024 * 1024;

// The open-error message: the file name as given, then why the file was refused, four lines
// joined by CR LF.
std::string MessaggioErroreDiApertura(const std::string& NomeFile);
// The same with a fifth line naming the wrong line riga (from 1) of the additional data.
std::string MessaggioErroreDiApertura(const std::string& NomeFile, int riga);

// Applies the bytes of an exercise file onto e; returns whether the file was accepted.
bool LetturaEsercizio(std::string_view contenuto, Esercizio& e);
// The same; RigaNonValida is set to the wrong line of the additional data that refused the
// file, or 0 when the file was accepted or refused for another reason.
bool LetturaEsercizio(std::string_view contenuto, Esercizio& e, int& RigaNonValida);

// Reads the file NomeFile onto e. Nothing when the file was accepted, otherwise the
// open-error message (e then holds a new empty exercise), with a fifth line for the cause when
// it is known: the file does not exist, is a folder or no ordinary file, may not be read, is
// too large, is of a later version, or the wrong line of the additional data.
std::optional<std::string> AperturaFile(const std::string& NomeFile, Esercizio& e);

} // namespace paretix
