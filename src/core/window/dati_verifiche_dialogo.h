#pragma once
// The dialog "Dati per le verifiche" without widgets: the project data of the compliance
// checks and, for every layer, the plaster flag and the specific heat. It opens with a copy of
// the exercise's data; the Qt dialog shows and edits the fields here and forwards "OK" to the
// main window (FinestraPrincipale::DatiVerifiche_Ok), which validates and applies them.
// "Annulla" only drops the dialog.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/materials/voce_abaco.h"
#include "core/model/clima.h"
#include "core/model/esercizio.h"

namespace paretix {

inline constexpr const char* TitoloDatiVerifiche = "Dati per le verifiche";
inline constexpr const char* CaptionDatiVerificheOk = "OK";
inline constexpr const char* CaptionDatiVerificheAnnulla = "Annulla";

inline constexpr const char* CaptionZona = "Zona climatica";
inline constexpr const char* CaptionRegime = "Verifica";
inline constexpr const char* CaptionElemento = "Tipo di parete";
inline constexpr const char* CaptionBtr = "Fattore di correzione btr";
inline constexpr const char* CaptionIsolamentoInterno =
    "Isolamento dall'interno o in intercapedine";
inline constexpr const char* CaptionOrientamento = "Orientamento";
inline constexpr const char* CaptionIrradianza290 = "Im,s ≥ 290 W/m²";
inline constexpr const char* CaptionCategoria = "Categoria dell'edificio";
inline constexpr const char* CaptionStratoIsolante = "Strato isolante";
// The first entry of the insulation layer chooser: the program picks the least conductive one.
inline constexpr const char* VoceStratoIsolanteAutomatico = "il meno conduttivo";

// The heading of the technical report.
inline constexpr const char* CaptionProgettoTitolo = "Progetto";
inline constexpr const char* CaptionProgettoCommittente = "Committente";
inline constexpr const char* CaptionProgettoIndirizzo = "Indirizzo";
inline constexpr const char* CaptionProgettoTecnico = "Tecnico";

// Column headers of the table of the layers.
inline constexpr const char* ColonnaNumero = "N.";
inline constexpr const char* ColonnaNome = "Strato";
inline constexpr const char* ColonnaSpessore = "Spessore (cm)";
inline constexpr const char* ColonnaIntonaco = "Intonaco";
inline constexpr const char* ColonnaCaloreSpecifico = "c (J/(kg K))";
inline constexpr const char* ColonnaSd = "sd (m)";
// The monthly hygrothermal check: the year's table, the inside conditions, the admissible
// condensate and the boundary of the retarder the remedy proposes.
inline constexpr const char* CaptionCondizioniInterne = "Condizioni interne";
inline constexpr const char* CaptionCondensaAmmissibile = "Condensa ammissibile (g/m²)";
inline constexpr const char* CaptionInterfacciaFreno = "Freno al vapore";
inline constexpr const char* CaptionIncollaClima = "Incolla clima esterno";
inline constexpr std::array<const char*, 5> ColonneClima{"Mese", "θe (°C)", "φe (%)", "θi (°C)",
                                                         "φi (%)"};
// The entries of the inside conditions: none chosen, the classes 1..5, the typed year.
inline constexpr std::array<const char*, 7> VociCondizioniInterne{
    "non indicate",          "classe 1 - magazzini",        "classe 2 - uffici",
    "classe 3 - abitazioni", "classe 4 - alta occupazione", "classe 5 - piscine",
    "digitate mese per mese"};
inline constexpr int VoceInternoDigitato = 6;
// The first entry of the retarder chooser: the program picks the boundary.
inline constexpr const char* VoceFrenoAutomatico = "dove serve";

// The transmittance beyond one dimension and the façade: one text box each, in this order.
inline constexpr const char* CaptionPontiEFacciata = "Ponti termici, fissaggi e facciata";
inline constexpr const char* ColonnaPonte = "λ ponte (W/(m K))";
inline constexpr const char* CaptionPonteDaAbaco = "λ ponte dall'abaco...";
struct CampoVerifiche {
    const char* Caption;
    std::string DatiVerifiche::*Campo;
};
inline constexpr std::array<CampoVerifiche, 12> CampiPontiEFacciata{{
    {"Area con ponti termici (%)", &DatiVerifiche::PonteFrazione},
    {"Fissaggi: λ (W/(m K))", &DatiVerifiche::FissaggiConduttività},
    {"Fissaggi: diametro (mm)", &DatiVerifiche::FissaggiDiametro},
    {"Fissaggi per m²", &DatiVerifiche::FissaggiNumero},
    {"Fissaggi: lunghezza nell'isolante (cm)", &DatiVerifiche::FissaggiIncasso},
    {"Facciata: superficie (m²)", &DatiVerifiche::FacciataSuperficie},
    {"Ambiente: volume (m³)", &DatiVerifiche::FacciataVolume},
    {"Finestra: superficie (m²)", &DatiVerifiche::FinestraSuperficie},
    {"Finestra: Rw (dB)", &DatiVerifiche::FinestraRw},
    {"Facciata: ΔLfs (dB)", &DatiVerifiche::FacciataForma},
    {"Facciata: K (dB)", &DatiVerifiche::FacciataK},
    {"Parete: Rw certificato (dB)", &DatiVerifiche::FacciataRwParete},
}};
inline constexpr std::size_t CampoPonteFrazione = 0;
inline constexpr std::size_t CampoFacciataSuperficie = 5;
inline constexpr std::size_t CampoFinestraSuperficie = 7;

// The entries of each choice list, in the order of its enumeration. A list shows no entry
// while its choice is not made.
inline constexpr std::array<const char*, 6> VociZona{"A", "B", "C", "D", "E", "F"};
inline constexpr std::array<const char*, 4> VociRegime{
    "riqualificazione 2015", "riqualificazione 2021", "riferimento 2015", "riferimento 2021"};
inline constexpr std::array<const char*, 3> VociElemento{"parete verso l'esterno",
                                                         "parete verso ambiente non climatizzato",
                                                         "divisorio tra unità immobiliari"};
inline constexpr std::array<const char*, 8> VociOrientamento{"N", "NE", "E", "SE",
                                                             "S", "SO", "O", "NO"};
inline constexpr std::array<const char*, 7> VociCategoria{"A - residenze",
                                                          "B - uffici",
                                                          "C - alberghi",
                                                          "D - ospedali e case di cura",
                                                          "E - scuole",
                                                          "F - attività ricreative o di culto",
                                                          "G - attività commerciali"};

// The messages of "OK". btr must be a number greater than 0 and at most 1, c a positive
// number, a month's temperature and humidity, when numbers, within the climate's range; an
// empty box is a value not given and is accepted.
inline constexpr const char* MessaggioBtrNonValido =
    "Il valore nella casella ''Fattore di correzione btr'' deve essere un numero maggiore di 0 "
    "e non maggiore di 1, con la virgola decimale (per esempio 0,5).";
std::string MessaggioCaloreSpecificoNonValido(int strato);
inline constexpr const char* MessaggioFrazioneNonValida =
    "Il valore nella casella ''Area con ponti termici (%)'' deve essere un numero da 0 a 100.";
inline constexpr const char* MessaggioFinestraTroppoGrande =
    "La superficie della finestra deve essere minore di quella della facciata.";
std::string MessaggioPonteNonValido(int strato);

// One row of the table. An air cavity has neither plaster flag nor specific heat: its row
// shows them empty and not editable.
struct RigaStratoVerifiche {
    int Numero = 0;
    std::string Nome; // the layer's material, or "Intercapedine d'aria"
    std::string Spessore;
    bool CameraAria = false;
    bool Intonaco = false;
    std::string CaloreSpecifico;
    // Loaded from the materials database: shown read-only and yellow, never written back.
    bool CaloreSpecificoBloccato = false;
    std::string Sd;                // m, for a membrane or a paint; empty: from the permeability
    std::string PonteConduttività; // W/(m K) of the bridging material; empty: homogeneous
};

class DialogoDatiVerifiche {
  public:
    explicit DialogoDatiVerifiche(const Esercizio& e);

    // The controls, as the view shows and edits them.
    std::optional<ZonaClimatica> Zona;
    std::optional<RegimeVerifica> Regime;
    std::optional<ElementoParete> Elemento;
    std::string Btr;
    bool IsolamentoInterno = false;
    std::optional<Orientamento> Esposizione;
    bool Irradianza290 = false;
    std::optional<CategoriaEdificio> Categoria;
    // The chooser's index: 0 for VoceStratoIsolanteAutomatico, k for layer k.
    int StratoIsolante = 0;
    std::vector<RigaStratoVerifiche> Strati;
    AnnoDigitato ClimaEsterno{};
    AnnoDigitato ClimaInterno{};
    // The index of VociCondizioniInterne.
    int CondizioniInterne = 0;
    std::string CondensaAmmissibile;
    // The chooser's index: 0 for VoceFrenoAutomatico, k for the boundary between layers k and
    // k+1.
    int InterfacciaFreno = 0;
    // The texts of CampiPontiEFacciata, in its order.
    std::array<std::string, CampiPontiEFacciata.size()> PontiEFacciata{};
    // Shown only in the technical report's heading; any text is accepted.
    DatiProgetto Progetto;

    // The btr box is only for a wall towards an unheated space; its text stays, and is
    // checked, when disabled.
    bool BtrAbilitato() const { return Elemento == ElementoParete::NonClimatizzato; }
    // The entries of the insulation layer chooser: the automatic one, then "K - name".
    std::vector<std::string> VociStratoIsolante() const;
    // The entries of the retarder chooser: the automatic one, then "tra K e K+1".
    std::vector<std::string> VociInterfacciaFreno() const;
    // Fills the outside year from a pasted table (tab or semicolon, either decimal sign); the
    // reason when it is refused, and then the year is left as it was.
    std::optional<std::string> IncollaClimaEsterno(std::string_view testo);
    // Puts a year read from a weather file or the climate library into the outside table.
    void ImpostaClimaEsterno(const ClimaAnno& clima);
    // The outside year as typed, when every month holds a temperature and a humidity from 0 to
    // 100 %; otherwise the message naming the wrong months.
    std::optional<std::string> ClimaEsternoCompleto(ClimaAnno& clima) const;

    // The bridging conductivity of row riga (0-based) from a row of the materials database, as
    // stored; false, and nothing changes, for an air cavity, a row past the last or a material
    // without a conductivity.
    bool PonteDaAbaco(std::size_t riga, const VoceAbaco& voce);

    // The message of the first wrong value, or nothing when every value is acceptable. The
    // fields are left as typed.
    std::optional<std::string> Controllo() const;
    // Writes the fields into e (the layers are matched by number); whether anything changed.
    // A check box left off keeps a choice never made as not made.
    bool Applica(Esercizio& e) const;

  private:
    std::optional<bool> isolamentoInterno_;
    std::optional<bool> irradianza290_;
};

} // namespace paretix
