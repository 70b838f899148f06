#pragma once
// Where "Dati per le verifiche" takes an outside year from besides typing and pasting: an
// EnergyPlus weather file, and the user's climate library dati/clima.txt beside abaco.txt,
// where a year is saved under a locality's name and loaded again. Every fault is told through
// the dialogs and leaves both the table and the library as they were.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/clima_epw.h"
#include "core/files/libreria_clima.h"
#include "core/porte/dialoghi.h"
#include "core/window/dati_verifiche_dialogo.h"

namespace paretix {

inline constexpr const char* CaptionImportaEpw = "Importa file EPW…";
inline constexpr const char* CaptionLocalita = "Località";
inline constexpr const char* CaptionCaricaLocalita = "Carica";
inline constexpr const char* CaptionSalvaLocalita = "Salva";
inline constexpr const char* CaptionEliminaLocalita = "Elimina";
inline constexpr const char* FiltroEpw = "File climatico EnergyPlus (*.epw)|*.epw|";
inline constexpr const char* MessaggioEpwIlleggibile = "Impossibile leggere il file climatico:";
inline constexpr const char* MessaggioEpwNonValido =
    "Il file climatico non è valido, il clima resta com'era:";

class FontiClima {
  public:
    FontiClima(std::string percorsoLibreria, Dialoghi& dialoghi);

    // The names of the library's localities, in its order; empty when it cannot be read (the
    // message was shown by the last Rileggi).
    const std::vector<std::string>& Nomi() const { return nomi_; }
    // Reads the library again; false, with the message shown, when it cannot be read.
    bool Rileggi();

    // Asks for a weather file and puts its monthly means into the outside table. Only once a
    // file is chosen is avvia called for what follows the progress of the read: a progress box
    // opened earlier would come up over the file dialog and take its focus. False when
    // cancelled or refused (with the message).
    bool ImportaEpw(DialogoDatiVerifiche& dati,
                    const std::function<AvanzamentoLettura()>& avvia = {});
    // The file's part of the import, for a path already chosen.
    bool ImportaEpwDa(const std::string& percorso, DialogoDatiVerifiche& dati,
                      const AvanzamentoLettura& avanzamento = {});

    // Puts the locality's year into the outside table; false with a message when the library
    // has no such name.
    bool Carica(std::string_view nome, DialogoDatiVerifiche& dati);
    // Saves the outside table under nome, asking first when it would replace a locality; false
    // when cancelled, when the table is incomplete or the save failed (with the message).
    bool Salva(std::string_view nome, const DialogoDatiVerifiche& dati);
    // Removes the locality after asking; false when cancelled or it failed.
    bool Elimina(std::string_view nome);

    // The place named by the last weather file imported, for the name the year is saved
    // under; empty when the file names none.
    const std::string& LocalitaImportata() const { return localitaImportata_; }

  private:
    void Mostra(const std::string& testo, Icona icona);

    std::string percorso_;
    Dialoghi& dialoghi_;
    LibreriaClima libreria_;
    std::vector<std::string> nomi_;
    std::string localitaImportata_;
};

} // namespace paretix
