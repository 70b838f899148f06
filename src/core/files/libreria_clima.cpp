#include "core/files/libreria_clima.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <unordered_map>
#include <unordered_set>

#include "core/files/lettura_file.h"
#include "core/files/righe.h"
#include "core/files/win1252.h"
#include "core/model/limiti_clima.h"
#include "core/model/numeri.h"

namespace paretix {

namespace {

constexpr std::string_view ChiaveLocalita = "localita";
constexpr std::string_view ChiaveClima = "clima.";

std::string_view SenzaSpazi(std::string_view testo) {
    const auto inizio = testo.find_first_not_of(" \t");
    if (inizio == std::string_view::npos) {
        return {};
    }
    return testo.substr(inizio, testo.find_last_not_of(" \t") - inizio + 1);
}

std::string RigaAttesa(int mese) {
    return "\"clima." + std::to_string(mese) + "=θe;φe\"";
}

// A number with the decimal comma; a point, which a hand edit may mean as a decimal sign, is
// refused rather than read as a digit-group separator.
std::optional<double> Numero(std::string_view testo) {
    if (testo.find('.') != std::string_view::npos) {
        return std::nullopt;
    }
    return ConvertiNumero(SenzaSpazi(testo));
}

bool MeseValido(const ClimaMese& m) {
    return TemperaturaClimaAmmessa(m.Temperatura) && UmiditàClimaAmmessa(m.Umidità);
}

bool TemperatureAmmesse(const LibreriaClima& libreria) {
    return std::all_of(libreria.begin(), libreria.end(), [](const LocalitaClima& l) {
        return std::all_of(l.Clima.begin(), l.Clima.end(), [](const ClimaMese& m) {
            return TemperaturaClimaAmmessa(m.Temperatura);
        });
    });
}

// The key and the value of a "key=value" line, blanks dropped; nothing without "=".
std::optional<std::pair<std::string_view, std::string_view>> ChiaveValore(std::string_view riga) {
    const auto uguale = riga.find('=');
    if (uguale == std::string_view::npos) {
        return std::nullopt;
    }
    return std::pair{SenzaSpazi(riga.substr(0, uguale)), SenzaSpazi(riga.substr(uguale + 1))};
}

// Reads "θe;φe" into mese; the reason when the value is not one.
std::optional<std::string> LetturaMese(std::string_view valore, ClimaMese& mese) {
    const auto puntoEVirgola = valore.find(';');
    if (puntoEVirgola == std::string_view::npos ||
        valore.find(';', puntoEVirgola + 1) != std::string_view::npos) {
        return "attesi due valori \"θe;φe\" separati da un punto e virgola, trovato " +
               CampoCitato(valore);
    }
    const std::string_view testoTemperatura = valore.substr(0, puntoEVirgola);
    const std::string_view testoUmidita = valore.substr(puntoEVirgola + 1);
    const auto temperatura = Numero(testoTemperatura);
    if (!temperatura) {
        return "temperatura non numerica " + CampoCitato(SenzaSpazi(testoTemperatura));
    }
    if (!TemperaturaClimaAmmessa(*temperatura)) {
        return TemperaturaFuoriCampo(SenzaSpazi(testoTemperatura));
    }
    const auto umidita = Numero(testoUmidita);
    if (!umidita) {
        return "umidità relativa non numerica " + CampoCitato(SenzaSpazi(testoUmidita));
    }
    if (!UmiditàClimaAmmessa(*umidita)) {
        return UmiditàFuoriCampo(SenzaSpazi(testoUmidita));
    }
    mese = {*temperatura, *umidita};
    return std::nullopt;
}

std::string Incompleta(const LocalitaClima& localita, int mesi) {
    return "la località " + CampoCitato(localita.Nome) + " ha " + std::to_string(mesi) +
           " mesi su 12 (attesa " + RigaAttesa(mesi + 1) + ")";
}

std::optional<std::string> Scrivi(const std::string& percorso, const LibreriaClima& libreria,
                                  ChiamateFile& chiamate) {
    const auto contenuto = ContenutoFileClima(libreria);
    if (!contenuto) {
        return std::string(TemperatureAmmesse(libreria)
                               ? "Il clima non può essere salvato: ogni umidità relativa deve "
                                 "essere da 0 a 100 %."
                               : "Il clima non può essere salvato: ogni temperatura deve essere "
                                 "da -70 a 70 °C.");
    }
    const EsitoScrittura esito = ScritturaAtomica(percorso, *contenuto, chiamate);
    if (esito) {
        return std::nullopt;
    }
    std::string messaggio = std::string(MessaggioClimaNonSalvato) + "\n" + percorso;
    if (esito.Motivo != MotivoErrore::Altro) {
        messaggio += "\n" + MessaggioSalvataggio(esito.Motivo);
    }
    return messaggio;
}

} // namespace

std::optional<std::string> LetturaLibreriaClima(std::string_view contenuto,
                                                LibreriaClima& libreria) {
    const std::string testo = Win1252AUtf8(contenuto);
    LettoreRighe righe(testo);
    LibreriaClima letta;
    // The line of each name read, so that a long library reads in linear time.
    std::unordered_map<std::string, int> rigaDelNome;
    int mesi = MesiAnno; // of the last locality read
    int numero = 0;
    while (const auto riga = righe.Prossima()) {
        ++numero;
        const std::string inizio = "Riga " + std::to_string(numero) + ": ";
        const std::string_view t = SenzaSpazi(*riga);
        if (t.empty() || t.front() == '#') {
            continue;
        }
        const auto coppia = ChiaveValore(t);
        if (mesi < MesiAnno) {
            if (!coppia || coppia->first != std::string(ChiaveClima) + std::to_string(mesi + 1)) {
                if (coppia && coppia->first == ChiaveLocalita) {
                    return inizio + Incompleta(letta.back(), mesi);
                }
                return inizio + "attesa " + RigaAttesa(mesi + 1);
            }
            const auto m = static_cast<std::size_t>(mesi);
            if (auto errore = LetturaMese(coppia->second, letta.back().Clima[m])) {
                return inizio + *errore;
            }
            ++mesi;
            continue;
        }
        if (!coppia || coppia->first != ChiaveLocalita) {
            return inizio + "attesa \"localita=<nome>\" o un commento che inizia con \"#\"";
        }
        const std::string_view nome = coppia->second;
        if (nome.empty()) {
            return inizio + "nome della località vuoto";
        }
        if (const auto [gia, nuovo] = rigaDelNome.emplace(nome, numero); !nuovo) {
            return inizio + "località " + CampoCitato(nome) + " già presente alla riga " +
                   std::to_string(gia->second);
        }
        letta.push_back({std::string(nome), {}});
        mesi = 0;
    }
    if (mesi < MesiAnno) {
        return "Fine del file: " + Incompleta(letta.back(), mesi);
    }
    libreria = std::move(letta);
    return std::nullopt;
}

std::optional<std::string> ContenutoFileClima(const LibreriaClima& libreria) {
    std::string testo(IntestazioneLibreriaClima);
    std::unordered_set<std::string_view> nomi;
    for (std::size_t k = 0; k < libreria.size(); ++k) {
        const LocalitaClima& localita = libreria[k];
        if (!NomeLocalitaValido(localita.Nome) || SenzaSpazi(localita.Nome) != localita.Nome ||
            !nomi.insert(localita.Nome).second ||
            !std::all_of(localita.Clima.begin(), localita.Clima.end(), MeseValido)) {
            return std::nullopt;
        }
        testo += "\r\n";
        testo += std::string(ChiaveLocalita) + "=" + localita.Nome + "\r\n";
        for (int m = 0; m < MesiAnno; ++m) {
            const ClimaMese& mese = localita.Clima[static_cast<std::size_t>(m)];
            testo += std::string(ChiaveClima) + std::to_string(m + 1) + "=" +
                     FormaGenerale(mese.Temperatura) + ";" + FormaGenerale(mese.Umidità) + "\r\n";
        }
    }
    return Utf8AWin1252(testo);
}

bool NomeLocalitaValido(std::string_view nome) {
    nome = SenzaSpazi(nome);
    return !nome.empty() && nome.find_first_of("\r\n") == std::string_view::npos &&
           RappresentabileWin1252(nome);
}

const LocalitaClima* TrovaLocalita(const LibreriaClima& libreria, std::string_view nome) {
    nome = SenzaSpazi(nome);
    const auto trovata = std::find_if(libreria.begin(), libreria.end(),
                                      [&](const LocalitaClima& l) { return l.Nome == nome; });
    return trovata == libreria.end() ? nullptr : &*trovata;
}

void ImpostaLocalita(LibreriaClima& libreria, std::string_view nome, const ClimaAnno& clima) {
    nome = SenzaSpazi(nome);
    for (LocalitaClima& localita : libreria) {
        if (localita.Nome == nome) {
            localita.Clima = clima;
            return;
        }
    }
    libreria.push_back({std::string(nome), clima});
}

bool TogliLocalita(LibreriaClima& libreria, std::string_view nome) {
    nome = SenzaSpazi(nome);
    return std::erase_if(libreria, [&](const LocalitaClima& l) { return l.Nome == nome; }) > 0;
}

std::string MessaggioLocalitaAssente(std::string_view nome) {
    return "La località " + CampoCitato(SenzaSpazi(nome)) + " non è nella libreria dei climi.";
}

std::optional<std::string> AperturaLibreriaClima(const std::string& percorso,
                                                 LibreriaClima& libreria) {
    std::error_code errore;
    if (!std::filesystem::exists(percorso, errore) && !errore) {
        libreria.clear();
        return std::nullopt;
    }
    const auto contenuto = LeggiFile(percorso, DimensioneMassimaLibreriaClima);
    if (!contenuto) {
        return std::string(MessaggioClimaIlleggibile) + "\n" + percorso;
    }
    LibreriaClima letta;
    if (auto motivo = LetturaLibreriaClima(*contenuto, letta)) {
        return std::string(MessaggioClimaNonValido) + "\n" + percorso + "\n" + *motivo;
    }
    libreria = std::move(letta);
    return std::nullopt;
}

std::optional<std::string> SalvaLocalitaClima(const std::string& percorso, std::string_view nome,
                                              const ClimaAnno& clima, ChiamateFile& chiamate) {
    if (!NomeLocalitaValido(nome)) {
        return std::string("Nome della località non valido: non può essere vuoto né contenere "
                           "caratteri che il file non può memorizzare.");
    }
    LibreriaClima libreria;
    if (auto errore = AperturaLibreriaClima(percorso, libreria)) {
        return errore;
    }
    ImpostaLocalita(libreria, nome, clima);
    return Scrivi(percorso, libreria, chiamate);
}

std::optional<std::string> EliminaLocalitaClima(const std::string& percorso, std::string_view nome,
                                                ChiamateFile& chiamate) {
    LibreriaClima libreria;
    if (auto errore = AperturaLibreriaClima(percorso, libreria)) {
        return errore;
    }
    if (!TogliLocalita(libreria, nome)) {
        return MessaggioLocalitaAssente(nome);
    }
    return Scrivi(percorso, libreria, chiamate);
}

} // namespace paretix
