#pragma once
// The dialog "Dati della simulazione dinamica" without widgets: the settings of the transient
// simulation and, for every layer, its moisture data, as fields the view shows and edits. It
// opens with a copy of the exercise's keys (chiavi_simulazione.h); "OK" goes to the main window
// (FinestraPrincipale::DatiSimulazione_Ok), which validates and applies them as one edit.
//
// A dialog of its own rather than a page of "Dati per le verifiche": the simulation is switched
// on by a box of its own, needs none of the compliance data but the wall's orientation, and its
// table of the layers holds other columns.
//
// Every field maps to one key; an empty field is a key not given. Applying writes only the keys
// whose field was changed, so a key the dialog cannot show as typed (a text the fields do not
// split) stays as the file had it.

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/model/esercizio.h"

namespace paretix {

inline constexpr const char* TitoloDatiSimulazione = "Dati della simulazione dinamica";
inline constexpr const char* CaptionCheckSimulazione = "Simulazione dinamica (UNI EN 15026)";
inline constexpr const char* CaptionCommandDatiSimulazione = "Dati simulazione...";
// Under "Calcola" while the simulation runs.
inline constexpr const char* FormatoAvanzamentoSimulazione = "Simulazione dinamica: %p %";
inline constexpr const char* CaptionInterrompi = "Interrompi";

inline constexpr const char* CaptionGiorni = "Durata (giorni)";
inline constexpr const char* CaptionInizio = "Stato iniziale: θ (°C) e φ (%)";
inline constexpr const char* CaptionClimaEsterno = "Clima esterno";
inline constexpr const char* CaptionClimaInterno = "Clima interno";
inline constexpr const char* CaptionStatoClima = "θ (°C) e φ (%)";
inline constexpr const char* CaptionFileClima = "File EPW";
inline constexpr const char* CaptionScegliEpw = "Sfoglia...";
inline constexpr const char* CaptionImposta = "Superficie alla temperatura e umidità dell'aria";
inline constexpr const char* CaptionAssorbimentoSolare = "Assorbimento solare (0…1)";
inline constexpr const char* CaptionPioggia = "Fattore di pioggia battente";
inline constexpr const char* CaptionSensibilità = "Sensibilità alla muffa";
inline constexpr const char* CaptionProfili = "Giorni dei profili (separati da ;)";
inline constexpr const char* CaptionLegno = "Legno";

// The kinds of climate, in the order of the choice list; the outside offers the first two.
enum class TipoClima { Costante, Epw, AllegatoCNormale, AllegatoCAlto };
inline constexpr std::array<const char*, 4> VociClima{"costante", "file EPW",
                                                      "UNI EN 15026 allegato C, carico normale",
                                                      "UNI EN 15026 allegato C, carico alto"};
inline constexpr std::array<const char*, 4> VociSensibilità{"molto sensibile", "sensibile", "media",
                                                            "resistente"};

// The layer columns of the moisture numbers, in the order of SuffissiIgrotermici.
inline constexpr std::array<const char*, 4> ColonneIgrotermiche{"Porosità (m³/m³)", "w80 (kg/m³)",
                                                                "wf (kg/m³)", "A (kg/(m² s^0,5))"};

struct CampiClima {
    TipoClima Tipo = TipoClima::Costante;
    std::string θ, φ; // °C and %, for a constant climate
    std::string File; // for a weather file, as typed (relative to the exercise's folder)
};

struct RigaStratoSimulazione {
    int Numero = 0;
    std::string Nome;
    bool CameraAria = false;
    std::array<std::string, 4> Dati{}; // porosity, w80, wf, A
    bool Legno = false;
    // A table of the storage curve typed in the file, which stands for w80 and wf.
    bool TabellaSorbimento = false;
};

class DialogoSimulazione {
  public:
    explicit DialogoSimulazione(const Esercizio& e);

    std::string Giorni;
    std::string θIniziale, φIniziale;
    CampiClima Esterno, Interno;
    bool EsternaImposta = false, InternaImposta = false;
    std::string Assorbimento, Pioggia;
    int Sensibilità = 1; // the index of VociSensibilità
    std::string Profili;
    std::vector<RigaStratoSimulazione> Strati;

    // The layers (by number) that store no water for want of data: no w80 and wf, no table.
    std::vector<int> StratiSenzaDati() const;
    // The notice the dialog shows while some layer lacks its data; nothing when none does.
    std::optional<std::string> AvvisoDatiMancanti() const;

    // The message of the first wrong value, or nothing when every value is acceptable.
    std::optional<std::string> Controllo() const;
    // Writes the changed fields into e; whether anything changed.
    bool Applica(Esercizio& e) const;

  private:
    // The keys as the fields give them (a field left empty: the key is absent).
    std::map<std::string, std::string> Chiavi() const;
    std::map<std::string, std::string> iniziali_;
};

} // namespace paretix
