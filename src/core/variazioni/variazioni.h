#pragma once
// The parametric sweep of paretix-report: some values of one exercise (keys of
// chiavi_esercizio.h) each run from a first to a last value by a step, and every combination is
// calculated as its own exercise. Variants are numbered in the cartesian order, the last
// variation changing fastest.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/risultati.h"
#include "core/model/esercizio.h"
#include "core/simulazione/simulazione_esercizio.h"
#include "core/verifiche/csv_risultati.h"
#include "core/verifiche/risultati_verifiche.h"

namespace paretix {

// A sweep larger than this is surely a typing error (and would take hours).
constexpr std::size_t VariantiMassime = 1'000'000;

// The values of one variation, DA + i·PASSO for i below their number, each made when it is
// asked for in the general number form: a sweep holds no list of its values, however long.
class ValoriVariazione {
  public:
    ValoriVariazione() = default;
    ValoriVariazione(double da, double passo, std::size_t numero)
        : da_(da), passo_(passo), numero_(numero) {}

    std::size_t size() const { return numero_; }
    std::string operator[](std::size_t i) const;
    bool operator==(const std::vector<std::string>& valori) const;

  private:
    double da_ = 0;
    double passo_ = 1;
    std::size_t numero_ = 0;
};

// One varied key and its values, from the first to the last.
struct Variazione {
    std::string Chiave;
    ValoriVariazione Valori;
};

// Reads "CHIAVE=DA:A:PASSO": a key of ChiaviNumeriche and three numbers with the decimal comma
// or point, the step greater than zero and DA not above A. The values are DA + i·PASSO up to A
// (a last value that misses A by rounding alone included). Nothing when right, otherwise the
// message.
std::optional<std::string> LeggiVariazione(std::string_view testo, Variazione& v);

// The sweep against its exercise: every layer key names a layer of e, no key is varied twice,
// and there are at most VariantiMassime variants. Nothing when right, otherwise the message.
std::optional<std::string> ControllaVariazioni(const std::vector<Variazione>& variazioni,
                                               const Esercizio& e);

// How many variants the sweep has (the product of the numbers of values).
std::size_t NumeroVarianti(const std::vector<Variazione>& variazioni);

// One calculated variant. Kept and reused by the caller, so that its texts keep their room.
struct Variante {
    std::size_t Indice = 0;
    std::vector<std::size_t> Valori; // the index of each variation's value
    bool Valida = false;
    std::string Errore; // why the variant has no results
    paretix::Esercizio Esercizio;
    RisultatiCalcolo Risultati;
    std::optional<RisultatiVerifiche> Verifiche;
    std::string TestoStampa;
    std::optional<SimulazioneEseguita> Simulazione;
};

// Variant indice of base: the values set in the order of the variations, then the Calculate
// command from fresh results, and the checks when the exercise has them on. Given the exercise
// file (whose folder holds a weather file the simulation reads), the transient simulation runs
// too when the exercise asks for it; a simulation that does not run leaves the variant without
// results, with its message.
void CalcolaVariante(const Esercizio& base, const std::vector<Variazione>& variazioni,
                     std::size_t indice, Variante& v, const std::string* simulaDa = nullptr);

// The total thickness of the variant's wall in m, as its run read the layers.
double SpessoreTotale(const Variante& v);

// The sweep's table: the varied keys, then the columns of IntestazioneCsv; each row the values,
// then the row of RigaCsv or RigaCsvErrore. With the simulation on in the base exercise, the two
// columns of the simulation's table follow, in the header (simulazione) and in every row.
std::string IntestazioneVariantiCsv(const FormatoCsv& formato,
                                    const std::vector<Variazione>& variazioni,
                                    bool simulazione = false);
std::string RigaVarianteCsv(const FormatoCsv& formato, const std::string& file,
                            const std::vector<Variazione>& variazioni, const Variante& v);

// One JSON line: the varied keys with their values as numbers, then the line of
// JsonRigaRisultati or JsonRigaErrore (status 1, data not valid), with "simulazione" last when
// the variant ran it. No newline.
std::string RigaVarianteJson(const std::string& file, const std::vector<Variazione>& variazioni,
                             const Variante& v);

} // namespace paretix
