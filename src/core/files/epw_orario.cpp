#include "core/files/epw_orario.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

#include "core/files/righe.h"

namespace paretix {

namespace {

constexpr int RigheIntestazione = 8;
constexpr std::size_t CampiMinimi = 22;
constexpr std::size_t CampoPioggia = 34;
constexpr double PioggiaMancante = 999;

std::vector<std::string_view> Campi(std::string_view riga) {
    std::vector<std::string_view> c;
    std::size_t inizio = 0;
    while (true) {
        const std::size_t virgola = riga.find(',', inizio);
        c.push_back(
            riga.substr(inizio, virgola == std::string_view::npos ? riga.npos : virgola - inizio));
        if (virgola == std::string_view::npos) {
            return c;
        }
        inizio = virgola + 1;
    }
}

std::optional<double> Numero(std::string_view t) {
    while (!t.empty() && t.front() == ' ') {
        t.remove_prefix(1);
    }
    while (!t.empty() && t.back() == ' ') {
        t.remove_suffix(1);
    }
    if (!t.empty() && t.front() == '+') {
        t.remove_prefix(1);
    }
    double v = 0;
    const auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || ptr != t.data() + t.size() || ec != std::errc() || !std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

std::string Riga(int numero, const std::string& testo) {
    return "Riga " + std::to_string(numero) + ": " + testo;
}

struct Campo {
    std::size_t numero; // from 1
    double min, max;
    const char* nome;
};

// The checked fields of an hour and their ranges (the format's missing markers fall outside).
constexpr std::array<Campo, 10> CampiOra{{
    {2, 1, 12, "mese"},
    {3, 1, 31, "giorno"},
    {4, 1, 24, "ora"},
    {7, -70, 70, "temperatura"},
    {9, 0, 110, "umidita relativa"},
    {14, 0, 9998, "radiazione globale"},
    {15, 0, 9998, "radiazione diretta"},
    {16, 0, 9998, "radiazione diffusa"},
    {21, 0, 360, "direzione del vento"},
    {22, 0, 40, "velocita del vento"},
}};

} // namespace

std::optional<std::string> LetturaEpwOraria(std::string_view testo, ClimaOrario& clima) {
    if (testo.starts_with("\xEF\xBB\xBF")) {
        testo.remove_prefix(3);
    }
    LettoreRighe righe(testo);
    ClimaOrario c;
    int numero = 0;
    while (const auto riga = righe.Prossima()) {
        ++numero;
        if (numero == 1) {
            const auto campi = Campi(*riga);
            std::optional<double> lat, lon, fuso;
            if (campi.size() >= 9 && campi[0] == "LOCATION") {
                lat = Numero(campi[6]);
                lon = Numero(campi[7]);
                fuso = Numero(campi[8]);
            }
            if (!lat || !lon || !fuso || std::abs(*lat) > 90 || std::abs(*lon) > 180 ||
                std::abs(*fuso) > 14) {
                return Riga(1, "attesa la riga LOCATION con latitudine, longitudine e fuso orario");
            }
            c.Latitudine = *lat;
            c.Longitudine = *lon;
            c.FusoOrario = *fuso;
            continue;
        }
        if (numero <= RigheIntestazione || riga->empty()) {
            continue;
        }
        const auto campi = Campi(*riga);
        if (campi.size() < CampiMinimi) {
            return Riga(numero, "attesi almeno 22 campi separati da virgole");
        }
        std::array<double, CampiOra.size()> v{};
        for (std::size_t k = 0; k < CampiOra.size(); ++k) {
            const Campo& f = CampiOra[k];
            const auto n = Numero(campi[f.numero - 1]);
            if (!n || *n < f.min || *n > f.max) {
                return Riga(numero, std::string("valore non valido nel campo ") + f.nome);
            }
            v[k] = *n;
        }
        OraEpw o{static_cast<int>(v[0]),
                 static_cast<int>(v[1]),
                 static_cast<int>(v[2]),
                 v[3],
                 v[4],
                 v[5],
                 v[6],
                 v[7],
                 v[8],
                 v[9],
                 0};
        if (campi.size() >= CampoPioggia) {
            const auto p = Numero(campi[CampoPioggia - 1]);
            if (!p || *p < 0) {
                return Riga(numero, "valore non valido nel campo pioggia");
            }
            o.Pioggia = *p >= PioggiaMancante ? 0 : *p;
        }
        c.Ore.push_back(o);
    }
    if (c.Ore.size() != OreAnno) {
        return "Il file deve contenere 8760 ore, ne contiene " + std::to_string(c.Ore.size());
    }
    clima = std::move(c);
    return std::nullopt;
}

} // namespace paretix
