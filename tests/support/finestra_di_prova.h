#pragma once
// Brings the main window to a state the way a user does, through its Open and Save As commands:
// an exercise built in a test enters the window as a file, and a save is what makes a modified
// exercise unmodified. Each returns whether it got there, for the test to assert.

#include <string>

#include "core/files/creazione_file.h"
#include "core/window/finestra_principale.h"
#include "support/cartella_temporanea.h"
#include "support/dialoghi_registrati.h"

namespace paretix::test {

// Opens the file at percorso with the Open command (no save is offered).
inline void ApriNellaFinestra(FinestraPrincipale& f, DialoghiRegistrati& d,
                              const std::string& percorso) {
    d.FileScelti.push_back(percorso);
    f.ApriProgetto0();
}

// Writes e to a file in cartella and opens it in the window: true when the window then holds e.
inline bool MostraNellaFinestra(FinestraPrincipale& f, DialoghiRegistrati& d, const Esercizio& e,
                                const CartellaTemporanea& cartella) {
    const std::string percorso = cartella / "esercizio.css";
    if (!CreazioneFile(e, percorso)) {
        return false;
    }
    ApriNellaFinestra(f, d, percorso);
    return f.esercizio() == e;
}

// Saves the exercise under a new name in cartella with Save As: true when the window's
// exercise is then unmodified.
inline bool SalvaNellaCartella(FinestraPrincipale& f, DialoghiRegistrati& d,
                               const CartellaTemporanea& cartella) {
    static int numero = 0;
    d.FileScelti.push_back(cartella / ("salvato-" + std::to_string(++numero) + ".css"));
    return f.SalvareConNome1() && f.Stato().Modificato == No;
}

} // namespace paretix::test
