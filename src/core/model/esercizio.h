#pragma once
// The one wall exercise, held as the texts the user typed, with the presentation state of each
// layer box that the exercise file stores.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/model/colori.h"
#include "core/model/dati_verifiche.h"

namespace paretix {

constexpr int NumeroStratiMax = 15;
// Working tables of a calculation run: layers 1..15 and boundaries 0..15.
constexpr int SlotTabelle = NumeroStratiMax + 1;

// A box's background is the system window colour (ColoreFinestra) for a typed value, yellow
// (ColoreGiallo) for a value loaded from the materials database.

// Fill styles of a layer's rectangle on the schema.
constexpr int RiempimentoTrasparente = 1;
constexpr int RiempimentoTratteggio = 5;

inline constexpr const char* TipoMateriale = "M";
inline constexpr const char* TipoCameraAria = "A";
inline constexpr const char* MaterialeDaTastiera = "Nessun specifico materiale selezionato";
inline constexpr const char* MaterialeCameraAria = "Intercapedine d'aria";

// One value box of a layer: its text and the attributes stored with it.
struct Casella {
    std::string Testo;
    std::string Suggerimento; // tool tip
    std::int32_t ColoreSfondo = ColoreFinestra;
    bool Bloccato = false; // read-only

    bool operator==(const Casella&) const = default;
};

// A default-constructed Strato is a blank material layer typed by hand: what a new layer is.
struct Strato {
    std::string TipoStrato = TipoMateriale;
    std::string Materiale = MaterialeDaTastiera; // tool tip of the type box
    std::int32_t ColoreTipo = ColoreFinestra;    // background of the type box
    Casella Densità;
    Casella Spessore;
    Casella Conduttività;
    Casella Permeabilità;
    Casella FatAssorbimento;
    // Whether the conductivity and absorption-factor boxes are shown: the schema rules and
    // the layer operations set these; validation and the report read them.
    bool ConduttivitàVisibile = true;
    bool FatAssorbimentoVisibile = false;
    int StileRiempimento = RiempimentoTratteggio;
    // Compliance data of the layer: a plaster or render (left out of the surface mass of the
    // law) and the specific heat in J/(kg K) as typed.
    bool Intonaco = false;
    std::string CaloreSpecifico;
    // Loaded with the material from the database: read-only and yellow like the other loaded
    // values, until the layer is typed by hand again.
    bool CaloreSpecificoDaAbaco = false;
    // The equivalent air thickness sd in m of a membrane or a paint, as typed: when given, the
    // monthly hygrothermal check uses it instead of the one of the permeability.
    std::string Sd;
    // The conductivity in W/(m K) of the material that bridges this layer (the studs of a
    // framed wall), as typed: empty for a homogeneous layer.
    std::string PonteConduttività;
    // The moisture data of the transient simulation, by key suffix ("porosita", "w80",
    // "sorbimento", ...), as typed.
    std::map<std::string, std::string> Igrotermici;

    // Exactly "A": the test of the Calculate command and of the schema (no trimming).
    bool CameraAria() const { return TipoStrato == TipoCameraAria; }

    bool operator==(const Strato&) const = default;
};

enum class UnitaSuono { Decibel, Watt };

struct Esercizio {
    bool Termico = true;
    bool Igrometrico = true;
    bool Acustico = false;
    std::string LiminariInterno = "7";
    std::string LiminariEsterno = "24";
    std::string TInterna = "0";
    std::string TEsterna = "0";
    std::string UInterna = "0";
    std::string UEsterna = "0";
    std::string DistSonoro = "0";
    UnitaSuono UnitaDistSonoro = UnitaSuono::Decibel;
    std::string Appunti;
    std::vector<Strato> Strati = std::vector<Strato>(1); // 1 to 15 layers, inside to outside
    DatiVerifiche Verifiche;
    // The settings of the transient simulation by key ("simulazione", "simulazione.giorni",
    // ...), as typed.
    std::map<std::string, std::string> Simulazione;

    int NumeroStrati() const { return static_cast<int>(Strati.size()); }
    // Layer k, numbered 1 to NumeroStrati from the inside.
    Strato& strato(int k) { return Strati[static_cast<std::size_t>(k - 1)]; }
    const Strato& strato(int k) const { return Strati[static_cast<std::size_t>(k - 1)]; }

    bool operator==(const Esercizio&) const = default;
};

// The constants set once at start-up.
struct ValoriPredefiniti {
    static constexpr double a0 = 5.96912;
    static constexpr double a1 = 0.49899;
    static constexpr double a2 = 0.007935;
    static constexpr double a3 = 0.000530944;
    static constexpr double DensitàLimite = 750.0;
};

} // namespace paretix
