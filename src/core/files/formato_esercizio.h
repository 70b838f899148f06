#pragma once
// The exercise file (".css"): one value per line, each group of values after a title line of
// exactly 46 characters. Files written by any copy of the program must open in any other, so
// the layout is fixed byte by byte:
//
//   28 header lines: version, calculation types, layer count, hi and he, Ti and Te, Ui and Ue,
//      sound unit and value, each group between its title and a separator;
//   34 lines for every layer: separator, type title, type, material name, type box colour,
//      then density (value, tool tip, colour, read-only), thickness (value, tool tip),
//      conductivity, permeability and absorption factor (value, tool tip, colour,
//      read-only), each group between a title and a separator;
//   in version 2 only, the section of the additional data: its title "Dati aggiuntivi", one
//      "key=value" line per value (keys in dati_aggiuntivi.h), a separator;
//   the notes title and the notes, one line per line of the notes.
//
// Version 2 is written only for an exercise that holds additional data; every other exercise
// is written as version 1, so that older copies of the program keep opening it.
//
// Text is Windows-1252 with CR LF line ends. The texts here are in UTF-8, as in memory.

#include <string>

namespace paretix {

inline constexpr const char* VersioneFileEsercizio = "1";
inline constexpr const char* VersioneFileEsercizioDatiAggiuntivi = "2";

inline constexpr const char* TitoloVersione = "Versione file --------------------------------";
inline constexpr const char* SeparatoreEsercizio = "----------------------------------------------";
inline constexpr const char* TitoloTipoCalcolo = "Tipo di calcolo ------------------------------";
inline constexpr const char* TitoloNumeroStrati = "Numero strati --------------------------------";
inline constexpr const char* TitoloLiminari = "Valori coefficienti liminari -----------------";
inline constexpr const char* TitoloTemperature = "Temperature interna ed esterna ---------------";
inline constexpr const char* TitoloUmidità = "Percentuale di umidità interna ed esterna ----";
inline constexpr const char* TitoloDisturboSonoro =
    "Disturbo sonoro ------------------------------";
inline constexpr const char* TitoloDensità = "Densità --------------------------------------";
inline constexpr const char* TitoloSpessore = "Spessore -------------------------------------";
inline constexpr const char* TitoloConduttività = "Conduttività ---------------------------------";
inline constexpr const char* TitoloPermeabilità = "Permeabilità ---------------------------------";
inline constexpr const char* TitoloFatAssorbimento =
    "Fat assorbimento -----------------------------";
inline constexpr const char* TitoloAppunti = "Appunti --------------------------------------";

// Lines of the header and of one layer's block.
constexpr int RigheIntestazione = 28;
constexpr int RigheStrato = 34;

// "Tipo di strato 9 -----------------------------", "Tipo di strato 10
// ----------------------------": the hyphens fill the title to 46 characters.
std::string TitoloTipoStrato(int k);

} // namespace paretix
