#include "core/files/clima_epw.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

#include "core/files/righe.h"
#include "core/model/limiti_clima.h"

namespace paretix {

namespace {

constexpr int RigheIntestazione = 8;
// Every hour of the format has its 35 fields, whatever the program reads of them; a line with
// more or fewer is not of the format (decimal commas make more).
constexpr std::ptrdiff_t CampiOra = 35;
// A year of hours, and a leap year.
constexpr long OreAnno = 8760;
constexpr long OreAnnoBisestile = 8784;
constexpr int CampoMese = 2;
constexpr int CampoTemperatura = 7;
constexpr int CampoUmidita = 9;
constexpr double UmiditaMassimaOraria = 110;

constexpr std::array<const char*, MesiAnno> NomiMesi{
    "gennaio", "febbraio", "marzo",     "aprile",  "maggio",   "giugno",
    "luglio",  "agosto",   "settembre", "ottobre", "novembre", "dicembre"};

std::string_view SenzaSpazi(std::string_view testo) {
    const auto inizio = testo.find_first_not_of(" \t");
    if (inizio == std::string_view::npos) {
        return {};
    }
    return testo.substr(inizio, testo.find_last_not_of(" \t") - inizio + 1);
}

std::optional<double> Decimale(std::string_view testo) {
    double valore = 0;
    const char* fine = testo.data() + testo.size();
    const auto [ptr, ec] = std::from_chars(testo.data(), fine, valore);
    if (testo.empty() || ptr != fine || ec != std::errc() || !std::isfinite(valore)) {
        return std::nullopt;
    }
    return valore;
}

std::optional<int> Mese(std::string_view testo) {
    int mese = 0;
    const char* fine = testo.data() + testo.size();
    const auto [ptr, ec] = std::from_chars(testo.data(), fine, mese);
    if (testo.empty() || ptr != fine || ec != std::errc() || mese < 1 || mese > MesiAnno) {
        return std::nullopt;
    }
    return mese;
}

std::string Riga(int numero, std::string_view testo) {
    return "Riga " + std::to_string(numero) + ": " + std::string(testo);
}

// The running sums of one month.
struct SommeMese {
    double Temperatura = 0;
    double Umidita = 0;
    long Ore = 0;
};

// Reads one hour into somme; the reason when the line is not one.
std::optional<std::string> LetturaOra(std::string_view riga, int numero,
                                      std::array<SommeMese, MesiAnno>& somme) {
    const auto trovati = std::count(riga.begin(), riga.end(), ',') + 1;
    if (trovati != CampiOra) {
        return Riga(numero,
                    "attesi 35 campi separati da virgole, trovati " + std::to_string(trovati));
    }
    std::array<std::string_view, CampoUmidita> campi;
    std::size_t inizio = 0;
    for (int k = 0; k < CampoUmidita; ++k) {
        const std::size_t virgola = std::min(riga.find(',', inizio), riga.size());
        campi[static_cast<std::size_t>(k)] = SenzaSpazi(riga.substr(inizio, virgola - inizio));
        inizio = virgola + 1;
    }
    const std::string_view testoMese = campi[CampoMese - 1];
    const auto mese = Mese(testoMese);
    if (!mese) {
        return Riga(numero, "mese non valido " + CampoCitato(testoMese) + " (atteso 1…12)");
    }
    const std::string_view testoTemperatura = campi[CampoTemperatura - 1];
    const auto temperatura = Decimale(testoTemperatura);
    if (!temperatura) {
        return Riga(numero, "temperatura non numerica " + CampoCitato(testoTemperatura));
    }
    if (!TemperaturaClimaAmmessa(*temperatura)) {
        return Riga(numero, "temperatura " + CampoCitato(testoTemperatura) +
                                " mancante o fuori campo (attesa da -70 a 70 °C)");
    }
    const std::string_view testoUmidita = campi[CampoUmidita - 1];
    const auto umidita = Decimale(testoUmidita);
    if (!umidita) {
        return Riga(numero, "umidità relativa non numerica " + CampoCitato(testoUmidita));
    }
    if (*umidita < 0 || *umidita > UmiditaMassimaOraria) {
        return Riga(numero, "umidità relativa " + CampoCitato(testoUmidita) +
                                " mancante o fuori campo (attesa da 0 a 110 %)");
    }
    SommeMese& s = somme[static_cast<std::size_t>(*mese - 1)];
    s.Temperatura += *temperatura;
    s.Umidita += *umidita;
    ++s.Ore;
    return std::nullopt;
}

// Tells avanzamento each new hundredth of the text read, and the end.
class Avanzamento {
  public:
    Avanzamento(const AvanzamentoLettura& avanzamento, std::size_t totale)
        : avanzamento_(avanzamento), totale_(totale) {
        Dici(0);
    }
    ~Avanzamento() { Dici(1); }
    Avanzamento(const Avanzamento&) = delete;
    Avanzamento& operator=(const Avanzamento&) = delete;

    void Letti(std::size_t byte) {
        const std::size_t centesimi = totale_ == 0 ? 0 : byte * 100 / totale_;
        if (centesimi > centesimi_ && centesimi < 100) {
            centesimi_ = centesimi;
            Dici(static_cast<double>(byte) / static_cast<double>(totale_));
        }
    }

  private:
    void Dici(double frazione) const {
        if (avanzamento_) {
            avanzamento_(frazione);
        }
    }

    const AvanzamentoLettura& avanzamento_;
    std::size_t totale_;
    std::size_t centesimi_ = 0;
};

} // namespace

std::optional<std::string> LetturaEpw(std::string_view testo, ClimaAnno& clima,
                                      const AvanzamentoLettura& avanzamento) {
    Avanzamento avanza(avanzamento, testo.size());
    constexpr std::string_view Bom = "\xEF\xBB\xBF";
    if (testo.starts_with(Bom)) {
        testo.remove_prefix(Bom.size());
    }
    LettoreRighe righe(testo);
    int numero = 0;
    for (; numero < RigheIntestazione; ++numero) {
        const auto riga = righe.Prossima();
        if (!riga) {
            return Riga(numero + 1,
                        "il file termina nell'intestazione (attese 8 righe prima dei dati orari)");
        }
        if (numero == 0 && !riga->starts_with("LOCATION")) {
            return Riga(1, "atteso \"LOCATION\" all'inizio di un file EPW");
        }
    }
    std::array<SommeMese, MesiAnno> somme{};
    long ore = 0;
    while (const auto riga = righe.Prossima()) {
        ++numero;
        if (!SenzaSpazi(*riga).empty()) {
            if (++ore > OreAnnoBisestile) {
                return Riga(numero, "ora oltre le 8784 di un anno bisestile");
            }
            if (auto errore = LetturaOra(*riga, numero, somme)) {
                return errore;
            }
        }
        avanza.Letti(righe.Posizione());
    }
    if (ore != OreAnno && ore != OreAnnoBisestile) {
        return Riga(numero, "il file termina dopo " + std::to_string(ore) +
                                " ore (attese 8760, o 8784 in un anno bisestile)");
    }
    ClimaAnno letto;
    for (std::size_t m = 0; m < somme.size(); ++m) {
        const SommeMese& s = somme[m];
        if (s.Ore == 0) {
            return std::string("Nessun dato orario per il mese di ") + NomiMesi[m];
        }
        const double ore = static_cast<double>(s.Ore);
        letto[m] = {s.Temperatura / ore, std::min(s.Umidita / ore, UmiditàClimaMassima)};
    }
    clima = letto;
    return std::nullopt;
}

} // namespace paretix
