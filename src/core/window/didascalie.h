#pragma once
// The fixed captions and tool tips of the main window's controls and menus. The captions that
// change with the state (the window's, the layer menu's delete entry, the chart view's) stand
// beside the rules that set them.

#include <array>

namespace paretix {

// Menu bar.
inline constexpr const char* CaptionMenuFile = "&File";
inline constexpr const char* CaptionNuovoProgetto = "&Nuovo";
inline constexpr const char* CaptionApriProgetto = "&Apri...";
inline constexpr const char* CaptionSalva = "&Salva";
inline constexpr const char* CaptionSalvaConNome = "Sal&va con nome...";
inline constexpr const char* CaptionAnteprimaDiStampa = "Anteprima &di stampa";
inline constexpr const char* CaptionStampa = "S&tampa...";
inline constexpr const char* CaptionEsci = "&Esci";
inline constexpr const char* CaptionMenuModifica = "&Modifica";
inline constexpr const char* CaptionAbacoMateriali = "&Abaco materiali";
inline constexpr const char* CaptionMenuDatiVerifiche = "Dati per le &verifiche...";
inline constexpr const char* CaptionMenuAiuto = "&?";
inline constexpr const char* CaptionGuidaInLinea = "&Guida in linea";
inline constexpr const char* CaptionInformazioniSu = "&Informazioni su Paretex LT";

// The column beside the panels.
inline constexpr const char* CaptionTipiCalcolo = "Calcolo";
inline constexpr std::array<const char*, 3> CaptionCheck1{"Termico", "Igrometrico", "Acustico"};
inline constexpr const char* CaptionCommandDatiVerifiche = "Dati per le verifiche...";
inline constexpr const char* CaptionVista = "Visualizza";
inline constexpr const char* CaptionSchemaStruttura = "Schema struttura";
inline constexpr const char* CaptionGraficoAcustico = "Grafico acustico";
inline constexpr const char* CaptionStrati = "Strati";
inline constexpr const char* CaptionCommandPiù = "+";
inline constexpr const char* CaptionCommandMeno = "\u2212";
inline constexpr const char* SuggerimentoCommandPiù = "Aggiungi uno strato sul lato esterno";
inline constexpr const char* SuggerimentoCommandMeno = "Togli l'ultimo strato sul lato esterno";
inline constexpr const char* CaptionLiminari = "Coefficienti liminari (W/m² °C)";
inline constexpr const char* CaptionHi = "hi";
inline constexpr const char* CaptionHe = "he";
inline constexpr const char* CaptionCommand1 = "Calcola";
inline constexpr const char* CaptionRelazione = "Relazione di calcolo";
inline constexpr const char* CaptionCommand3 =
    "              Stampa              ( modifica e anteprima )";
inline constexpr const char* CaptionAppunti = "Appunti"; // tool tip and empty-box hint
inline constexpr const char* SuggerimentoMacchinaDaScrivere = "Ingrandisci casella di scrittura";

// The boundary-condition frames of the schema.
inline constexpr const char* CaptionCorniceTInterna = "Ti (°C)";
inline constexpr const char* CaptionCorniceTEsterna = "Te (°C)";
inline constexpr const char* CaptionCorniceUInterna = "Ui (%)";
inline constexpr const char* CaptionCorniceUEsterna = "Ue (%)";
inline constexpr const char* CaptionCorniceSuono = "Disturbo sonoro";
inline constexpr std::array<const char*, 2> CaptionOption1{"dB", "W"};

// Names of the inside and outside air beside the boundary names.
inline constexpr std::array<const char*, 3> CaptionAriaInterna{"Ti", "Pvsi", "Pvi"};
inline constexpr std::array<const char*, 3> CaptionAriaEsterna{"Te", "Pvse", "Pve"};

// Row headings (index 1 to 6 as RigaSchema), their tool tips and their symbols.
inline constexpr std::array<const char*, 7> CaptionIntestazioni{
    "",
    "M=materiale A=interc.aria",
    "Densità (p.sp) ( Kg/m ³ )",
    "Spessore Strato ( cm )",
    "Conduttività ( W/m °C )",
    "Permeabilità 10<sup>-12</sup> ( Kg / s m Pa )",
    "Fattore di assorb. o di emissività"};
inline constexpr std::array<const char*, 7> SuggerimentoIntestazioni{
    "",
    "Materiale o camera d'aria",
    "Densità (peso specifico)",
    "Spessore Strato",
    "Conduttività termica K",
    "Permeabilità al vapore acqueo 10^-12 (Kg / s m Pa)",
    "Fattore di assorbimento o di emissività termica delle supefici adiacenti alla camera "
    "d'aria"};
inline constexpr std::array<const char*, 7> SimboliRighe{"", "", "ρ", "S", "K", "π", "a, ε"};

// The humidities beside the vapour-pressure chart.
inline constexpr const char* CaptionUmiditàInterna = "Ui %";
inline constexpr const char* CaptionUmiditàEsterna = "Ue %";

} // namespace paretix
