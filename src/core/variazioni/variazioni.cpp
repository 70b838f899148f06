#include "core/variazioni/variazioni.h"

#include <cmath>
#include <unordered_set>

#include "core/calc/calcolo.h"
#include "core/files/chiavi_esercizio.h"
#include "core/model/numeri.h"
#include "core/model/validazione.h"
#include "core/simulazione/csv_simulazione.h"
#include "core/simulazione/preparazione_simulazione.h"
#include "core/simulazione/uscita_simulazione.h"
#include "core/verifiche/calcola_verifiche.h"
#include "core/verifiche/json_risultati.h"
#include "core/verifiche/verifiche_finite.h"

namespace paretix {

namespace {

constexpr std::string_view Forma = "la forma è CHIAVE=DA:A:PASSO, ad esempio "
                                   "strato.3.spessore=4:20:1";
// How far below A the last value may fall by rounding alone, in steps.
constexpr double TolleranzaPassi = 1e-9;
constexpr int CifreOltreIlPasso = 6;
// The value of a data fault, as the exit status of a file with invalid data.
constexpr int StatoDatiNonValidi = 1;

std::string Prefisso(std::string_view testo) {
    return "--varia " + std::string(testo) + ": ";
}

std::optional<double> Numero(std::string_view testo) {
    return ConvertiNumero(ModificatoreDatiInEntrata(testo));
}

std::string TestoNumero(std::size_t n) {
    std::string cifre = std::to_string(n);
    for (std::size_t i = cifre.size(); i > 3; i -= 3) {
        cifre.insert(i - 3, ".");
    }
    return cifre;
}

// DA + i·PASSO, rid of the rounding error of the sum: rounded to a millionth of the step's
// leading digit, so that -0,3 + 3·0,1 is 0 and not 5,6E-17.
double Valore(double da, double passo, std::size_t i) {
    const double valore = da + static_cast<double>(i) * passo;
    const int esponente = static_cast<int>(std::floor(std::log10(passo))) - CifreOltreIlPasso;
    // Powers of ten are exact up to 10^22; beyond 2^52 a double has no fraction left to round.
    constexpr int PotenzaEsatta = 22;
    constexpr double SenzaFrazione = 4503599627370496.0;
    if (esponente >= 0 || esponente < -PotenzaEsatta) {
        return valore;
    }
    const double scala = std::pow(10.0, -esponente);
    if (std::fabs(valore * scala) >= SenzaFrazione) {
        return valore;
    }
    return std::round(valore * scala) / scala;
}

std::string MessaggioTroppe(double varianti) {
    return "troppe varianti (" + FormaGenerale(varianti) + "): al massimo " +
           TestoNumero(VariantiMassime);
}

} // namespace

std::string ValoriVariazione::operator[](std::size_t i) const {
    return FormaGenerale(Valore(da_, passo_, i));
}

bool ValoriVariazione::operator==(const std::vector<std::string>& valori) const {
    if (valori.size() != numero_) {
        return false;
    }
    for (std::size_t i = 0; i < numero_; ++i) {
        if ((*this)[i] != valori[i]) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> LeggiVariazione(std::string_view testo, Variazione& v) {
    const std::size_t uguale = testo.find('=');
    if (uguale == std::string_view::npos) {
        return Prefisso(testo) + "manca \"=\": " + std::string(Forma);
    }
    const std::string_view chiave = testo.substr(0, uguale);
    if (!ChiaveNumerica(chiave)) {
        return Prefisso(testo) + "chiave sconosciuta \"" + std::string(chiave) +
               "\"; le chiavi sono: " + std::string(ChiaviNumeriche) +
               " (K è il numero dello strato)";
    }
    const std::string_view intervallo = testo.substr(uguale + 1);
    const std::size_t primo = intervallo.find(':');
    const std::size_t secondo =
        primo == std::string_view::npos ? primo : intervallo.find(':', primo + 1);
    if (secondo == std::string_view::npos ||
        intervallo.find(':', secondo + 1) != std::string_view::npos) {
        return Prefisso(testo) + std::string(Forma);
    }
    const auto da = Numero(intervallo.substr(0, primo));
    const auto a = Numero(intervallo.substr(primo + 1, secondo - primo - 1));
    const auto passo = Numero(intervallo.substr(secondo + 1));
    if (!da || !a || !passo) {
        return Prefisso(testo) + "DA, A e PASSO devono essere numeri; " + std::string(Forma);
    }
    if (*passo <= 0) {
        return Prefisso(testo) + "il passo deve essere maggiore di zero";
    }
    if (*da > *a) {
        return Prefisso(testo) + "il primo valore supera l'ultimo";
    }
    const double passi = std::floor((*a - *da) / *passo + TolleranzaPassi);
    if (!(passi < static_cast<double>(VariantiMassime))) {
        return Prefisso(testo) + MessaggioTroppe(passi + 1);
    }
    v.Chiave = std::string(chiave);
    v.Valori = ValoriVariazione(*da, *passo, static_cast<std::size_t>(passi) + 1);
    return std::nullopt;
}

std::optional<std::string> ControllaVariazioni(const std::vector<Variazione>& variazioni,
                                               const Esercizio& e) {
    double varianti = 1;
    std::unordered_set<std::string_view> chiavi;
    for (const Variazione& v : variazioni) {
        const auto strato = DividiChiaveNumerica(v.Chiave);
        if (strato && strato->Numero > e.NumeroStrati()) {
            return "--varia " + v.Chiave + ": l'esercizio non ha lo strato " +
                   std::to_string(strato->Numero) + " (ha " + std::to_string(e.NumeroStrati()) +
                   " strati)";
        }
        if (!chiavi.insert(v.Chiave).second) {
            return "--varia " + v.Chiave + ": la chiave è variata due volte";
        }
        varianti *= static_cast<double>(v.Valori.size());
    }
    if (varianti > static_cast<double>(VariantiMassime)) {
        return "--varia: " + MessaggioTroppe(varianti);
    }
    return std::nullopt;
}

std::size_t NumeroVarianti(const std::vector<Variazione>& variazioni) {
    std::size_t n = 1;
    for (const Variazione& v : variazioni) {
        n *= v.Valori.size();
    }
    return n;
}

void CalcolaVariante(const Esercizio& base, const std::vector<Variazione>& variazioni,
                     std::size_t indice, Variante& v, const std::string* simulaDa) {
    v.Indice = indice;
    v.Valori.resize(variazioni.size());
    for (std::size_t d = variazioni.size(); d-- > 0;) {
        const std::size_t n = variazioni[d].Valori.size();
        v.Valori[d] = indice % n;
        indice /= n;
    }
    v.Esercizio = base;
    v.Risultati = RisultatiCalcolo{};
    v.Verifiche.reset();
    v.Simulazione.reset();
    v.Valida = false;
    v.Errore.clear();
    for (std::size_t d = 0; d < variazioni.size(); ++d) {
        const std::string valore = variazioni[d].Valori[v.Valori[d]];
        if (!ApplicaValoreChiave(v.Esercizio, variazioni[d].Chiave, valore)) {
            v.Errore = variazioni[d].Chiave + "=" + valore + ": valore non accettato";
            return;
        }
    }
    const EsitoCalcola esito = Command1_Click(v.Esercizio, v.Risultati, v.TestoStampa);
    if (!esito.DatiValidi) {
        v.Errore = std::string(TitoloErrore) + " " + esito.Messaggio;
        return;
    }
    if (v.Esercizio.Verifiche.Attive) {
        v.Verifiche = CalcolaVerifiche(v.Esercizio, v.Risultati);
        if (auto messaggio = ControlloVerificheFinite(*v.Verifiche)) {
            v.Errore = std::string(TitoloErrore) + " " + *messaggio;
            v.Verifiche.reset();
            return;
        }
    }
    if (simulaDa != nullptr) {
        if (auto messaggio = SimulaEsercizio(*simulaDa, v.Esercizio, v.Simulazione)) {
            v.Errore = std::move(*messaggio);
            v.Verifiche.reset();
            return;
        }
    }
    v.Valida = true;
}

double SpessoreTotale(const Variante& v) {
    double spessore = 0;
    for (int k = 1; k <= v.Esercizio.NumeroStrati(); ++k) {
        spessore += v.Risultati.SpessoreMetri[k];
    }
    return spessore;
}

std::string IntestazioneVariantiCsv(const FormatoCsv& formato,
                                    const std::vector<Variazione>& variazioni, bool simulazione) {
    std::vector<std::string> chiavi;
    for (const Variazione& v : variazioni) {
        chiavi.push_back(v.Chiave);
    }
    const std::string intestazione = CelleIniziali(formato, chiavi) + IntestazioneCsv(formato);
    return simulazione ? ConColonneSimulazione(formato, intestazione) : intestazione;
}

std::string RigaVarianteCsv(const FormatoCsv& formato, const std::string& file,
                            const std::vector<Variazione>& variazioni, const Variante& v) {
    std::vector<std::string> valori;
    for (std::size_t d = 0; d < variazioni.size(); ++d) {
        valori.push_back(
            NumeroCsv(formato, ConvertiNumeroOZero(variazioni[d].Valori[v.Valori[d]])));
    }
    const std::string riga =
        CelleIniziali(formato, valori) +
        (v.Valida ? RigaCsv(formato, file, v.Esercizio, v.Risultati, v.Verifiche)
                  : RigaCsvErrore(formato, file, v.Errore));
    return SimulazioneAttiva(v.Esercizio) ? ConCelleSimulazione(formato, riga, v.Simulazione)
                                          : riga;
}

std::string RigaVarianteJson(const std::string& file, const std::vector<Variazione>& variazioni,
                             const Variante& v) {
    CampiIniziali valori;
    for (std::size_t d = 0; d < variazioni.size(); ++d) {
        valori.emplace_back(variazioni[d].Chiave,
                            ConvertiNumeroOZero(variazioni[d].Valori[v.Valori[d]]));
    }
    if (!v.Valida) {
        return JsonRigaErrore(valori, file, v.Errore, StatoDatiNonValidi);
    }
    const std::string riga = JsonRigaRisultati(valori, file, v.Esercizio, v.Risultati,
                                               v.Verifiche.value_or(RisultatiVerifiche{}));
    const auto& s = v.Simulazione;
    return s ? JsonRigaConSimulazione(riga, s->Giorni, s->Risultato) : riga;
}

} // namespace paretix
