#pragma once
// The project data of the compliance checks ("Verifiche di legge"). Like the rest of the
// exercise they are held as the user gave them: a choice not made yet is empty, a number is the
// text typed with the decimal comma. The per-layer data (plaster flag, specific heat) live in
// each Strato so that they move with their layer.

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/model/clima.h"

namespace paretix {

enum class ZonaClimatica { A, B, C, D, E, F };

// Which table of the minimum-requirements decree applies: the limits of App. B for a
// renovation, or the reference building of App. A, each in its 2015 and its later stage.
enum class RegimeVerifica {
    Riqualificazione2015,
    Riqualificazione2021,
    Riferimento2015,
    Riferimento2021
};

enum class ElementoParete { Esterno, NonClimatizzato, Divisorio };
// The element type as a check that lacks it names it among its missing data.
inline constexpr const char* MancaElemento = "tipo di elemento";

enum class Orientamento { N, NE, E, SE, S, SO, O, NO };

// Building categories of the acoustic requirements decree, A (dwellings) to G (commerce).
enum class CategoriaEdificio { A, B, C, D, E, F, G };

// One month of a climate table as typed: temperature °C and relative humidity %.
struct MeseDigitato {
    std::string Temperatura;
    std::string Umidità;

    bool Vuoto() const { return Temperatura.empty() && Umidità.empty(); }
    bool operator==(const MeseDigitato&) const = default;
};
using AnnoDigitato = std::array<MeseDigitato, MesiAnno>;

// Who and what the technical report is for, as typed; shown in its heading only.
struct DatiProgetto {
    std::string Titolo;
    std::string Committente;
    std::string Indirizzo;
    std::string Tecnico;

    bool operator==(const DatiProgetto&) const = default;
};

struct DatiVerifiche {
    bool Attive = false; // the "Verifiche di legge" check box
    std::optional<ZonaClimatica> Zona;
    std::optional<RegimeVerifica> Regime;
    std::optional<ElementoParete> Elemento;
    std::string Btr;                       // correction factor towards an unheated space, as typed
    std::optional<bool> IsolamentoInterno; // insulation from the inside or in the cavity
    std::optional<Orientamento> Esposizione;
    std::optional<bool> Irradianza290; // Im,s >= 290 W/m² in the sunniest month
    std::optional<CategoriaEdificio> Categoria;
    int StratoIsolante = 0; // the layer the U remedy thickens; 0: the least conductive one
    // The monthly hygrothermal check: the outside year, the inside conditions as a humidity
    // class 1..5 or 0 for the typed inside year, the admissible condensate in g/m² (empty: the
    // usual amount) and the boundary of the vapour retarder the remedy proposes (k: between
    // layers k and k+1; 0: the first condensing one).
    AnnoDigitato ClimaEsterno{};
    std::optional<int> ClasseUmidità;
    AnnoDigitato ClimaInterno{};
    std::string CondensaAmmissibile;
    int InterfacciaFreno = 0;
    // The transmittance of the law beyond one dimension, as typed: the share in % of the wall's
    // area taken by the bridging material (each bridged layer names its conductivity), and the
    // fasteners through the insulation (conductivity W/(m K), diameter mm, number per m², and
    // the length in cm inside the insulation when they stop in it; empty when they cross it).
    std::string PonteFrazione;
    std::string FissaggiConduttività;
    std::string FissaggiDiametro;
    std::string FissaggiNumero;
    std::string FissaggiIncasso;
    // The façade of the room for the field sound insulation, as typed: its area seen from the
    // room (m²), the room's volume (m³), one window or door (area m², Rw dB), the shape term
    // ΔLfs (dB, empty: 0), the flanking term K (0 or 2 dB, empty: 2) and a certified Rw of the
    // wall (empty: the one the acoustic check computes).
    std::string FacciataSuperficie;
    std::string FacciataVolume;
    std::string FinestraSuperficie;
    std::string FinestraRw;
    std::string FacciataForma;
    std::string FacciataK;
    std::string FacciataRwParete;
    DatiProgetto Progetto;
    // Keys of the file section this program does not know, kept in order and written back.
    std::vector<std::pair<std::string, std::string>> AltreChiavi;

    bool operator==(const DatiVerifiche&) const = default;
};

} // namespace paretix
