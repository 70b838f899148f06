#include "core/verifiche/limiti.h"

#include <array>
#include <cstddef>

namespace paretix {

namespace {

// DM 26/06/2015 "requisiti minimi", U of vertical opaque walls towards the outside, W/(m² K).
// Rows: zones A and B (one row, the same values), C, D, E, F. Columns: App. B (renovation,
// limits) 2015 and from 2021, App. A (reference building) 2015 and from 2019/2021.
constexpr std::array<std::array<double, 4>, 5> TabellaTrasmittanza{{
    {0.45, 0.40, 0.45, 0.43},
    {0.40, 0.36, 0.38, 0.34},
    {0.36, 0.32, 0.34, 0.29},
    {0.30, 0.28, 0.30, 0.26},
    {0.28, 0.26, 0.28, 0.24},
}};

// DM 26/06/2015, App. B: +30 % for insulation from the inside or in the cavity.
constexpr double Maggiorazione = 1.30;

// DM 26/06/2015: partitions between buildings or dwellings, U <= 0,8 W/(m² K).
constexpr double LimiteDivisorio = 0.8;

// DPCM 5/12/1997, table B: D2m,nT,w of the façade, dB, categories A to G.
constexpr std::array<int, 7> Facciata{40, 42, 40, 45, 48, 42, 42};
// DPCM 5/12/1997, table B: R'w between units, 50 dB, 55 dB for hospitals (category D).
constexpr int Divisorio = 50;
constexpr int DivisorioOspedali = 55;

constexpr const char* Decreto = "DM 26/06/2015";
constexpr const char* DecretoAcustico = "DPCM 5/12/1997";
constexpr const char* Divisori = "pareti divisorie tra unità immobiliari";
constexpr std::array<const char*, 4> Colonne{"App. B, 2015", "App. B, dal 2021", "App. A, 2015",
                                             "App. A, dal 2019/2021"};

std::size_t Riga(ZonaClimatica zona) {
    return zona == ZonaClimatica::A ? 0 : static_cast<std::size_t>(zona) - 1;
}

std::size_t Colonna(RegimeVerifica regime) {
    return static_cast<std::size_t>(regime);
}

char Lettera(int indice) {
    return static_cast<char>('A' + indice);
}

} // namespace

double TrasmittanzaDiTabella(ZonaClimatica zona, RegimeVerifica regime) {
    return TabellaTrasmittanza[Riga(zona)][Colonna(regime)];
}

bool RegimeDiRiferimento(RegimeVerifica regime) {
    return regime == RegimeVerifica::Riferimento2015 || regime == RegimeVerifica::Riferimento2021;
}

double MaggiorazioneIsolamentoInterno() {
    return Maggiorazione;
}

double TrasmittanzaLimiteDivisorio() {
    return LimiteDivisorio;
}

std::string FonteTrasmittanza(ZonaClimatica zona, RegimeVerifica regime) {
    return std::string(Decreto) + ", " + Colonne[Colonna(regime)] + ", zona " +
           Lettera(static_cast<int>(zona));
}

std::string FonteTrasmittanzaDivisorio() {
    return std::string(Decreto) + ", " + Divisori;
}

int RequisitoFacciata(CategoriaEdificio categoria) {
    return Facciata[static_cast<std::size_t>(categoria)];
}

int RequisitoDivisorio(CategoriaEdificio categoria) {
    return categoria == CategoriaEdificio::D ? DivisorioOspedali : Divisorio;
}

std::string FonteRequisitoAcustico(CategoriaEdificio categoria) {
    return std::string(DecretoAcustico) + ", categoria " + Lettera(static_cast<int>(categoria));
}

} // namespace paretix
