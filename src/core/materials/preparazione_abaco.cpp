#include "core/materials/preparazione_abaco.h"

#include <filesystem>
#include <fstream>

#include "core/files/scrittura_atomica.h"
#include "core/materials/abaco_file.h"

namespace paretix {

namespace fs = std::filesystem;

namespace {

inline constexpr const char* CartellaDati = "/dati";
inline constexpr const char* FileAbaco = "/abaco.txt";
inline constexpr const char* FileLibreriaClima = "/clima.txt";
// A name no user would give a folder of their own.
inline constexpr const char* CartellaProvaScrittura = "/~zyjmgekpokbfws4g7333";

std::string SenzaBarraFinale(const std::string& cartella) {
    if (!cartella.empty() && cartella.back() == '/') {
        return cartella.substr(0, cartella.size() - 1);
    }
    return cartella;
}

bool Leggibile(const std::string& percorso) {
    std::error_code errore;
    return fs::is_regular_file(percorso, errore) && std::ifstream(percorso).is_open();
}

// Only a database that is not there at all may be created: one that exists but cannot be read
// (its permissions, a folder in its place, a status that cannot be taken) is the user's.
bool Assente(const std::string& percorso) {
    std::error_code errore;
    return fs::status(percorso, errore).type() == fs::file_type::not_found;
}

// The folder could be created and removed again: the program folder is writable.
bool ProvaScrittura(const std::string& cartella) {
    const std::string prova = cartella + CartellaProvaScrittura;
    std::error_code errore;
    fs::create_directory(prova, errore);
    const bool rimossa = fs::remove(prova, errore);
    return rimossa && !errore;
}

} // namespace

std::string PercorsoAbaco(const std::string& CartellaProgramma) {
    return SenzaBarraFinale(CartellaProgramma) + CartellaDati + FileAbaco;
}

std::string PercorsoLibreriaClima(const std::string& CartellaProgramma) {
    return SenzaBarraFinale(CartellaProgramma) + CartellaDati + FileLibreriaClima;
}

EsitoPreparazioneAbaco PreparazioneAbaco(const std::string& CartellaProgramma) {
    const std::string cartella = SenzaBarraFinale(CartellaProgramma);
    EsitoPreparazioneAbaco esito;
    esito.PercorsoAbaco = PercorsoAbaco(cartella);
    std::error_code errore;
    fs::create_directory(cartella + CartellaDati, errore);
    esito.ScritturaConsentita = ProvaScrittura(cartella);
    if (Assente(esito.PercorsoAbaco) && esito.ScritturaConsentita) {
        ScritturaAtomica(esito.PercorsoAbaco, ContenutoAbacoPredefinito);
    }
    // A database the user made read-only stays so: its edits are refused like any failed save.
    esito.AbacoUtilizzabile = Leggibile(esito.PercorsoAbaco);
    return esito;
}

} // namespace paretix
