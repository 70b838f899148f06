#pragma once
// The materials browser: a grid of ten rows (more in a taller window) by five columns over the
// database list, with a vertical scroll bar, a hover highlight, a filter that narrows the list
// to the names it finds, a current row moved by the keyboard, and a click that either loads a
// material into a layer (consult mode) or opens the pop-up menu of edit operations (edit mode).

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/materials/disposizione_elenco.h"
#include "core/materials/voce_abaco.h"
#include "core/model/colori.h"

namespace paretix {

inline constexpr const char* TitoloElencoMateriali = "Abaco Materiali";
inline constexpr const char* CaptionChiudi = "Chiudi";
inline constexpr const char* InfoElencoMateriali =
    "Info: I fattori di assorbimento termico delle superfici adiacenti alla camera d'aria "
    "servono per il calcolo della conduttività equivalente di questa, utile per concorrere al "
    "calcolo delle resistenze termiche. Se questi fattori vengono omessi ( vuoto o trattino ) "
    "si useranno valori di resistenza ricavati dalla tabella  UNI EN ISO 6946";
// The headings of the five fields, in the order of a row; the browser and both dialogs use them.
inline constexpr std::array<const char*, 5> IntestazioniCampi = {
    "Materiale", "Densità (kg/m³)", "Conduttività K (W/m °C)",
    "Permeabilità al vapore 10^-12 (kg/s m Pa)", "Fattore di assorbimento a o ε"};

// The heading of the sixth column, shown while the compliance checks are on.
inline constexpr const char* IntestazioneCaloreSpecifico = "Calore specifico J/kgK";
inline constexpr const char* DidascaliaFiltro = "Cerca:";
inline constexpr const char* SuggerimentoFiltro =
    "Scrivere una parte del nome: maiuscole e accenti non contano";
// What the first row says when the filter finds nothing.
inline constexpr const char* AvvisoNessunMateriale = "Nessun materiale corrisponde alla ricerca";

struct CellaAbaco {
    std::string Caption;
    std::int32_t ColoreTesto = ColoreNero;
    bool Grassetto = false;
    std::int32_t ColoreSfondo = ColoreBianco;

    bool operator==(const CellaAbaco&) const = default;
};

// One entry of the edit pop-up menu. An entry without a mode opens a sub-menu; an entry with
// a parent stands in that sub-menu.
struct VoceMenuAbaco {
    const char* Nome;
    const char* Caption;
    const char* Genitore;
    const char* Modo;
};

// The pop-up menu menunascosto, in the order shown.
extern const std::array<VoceMenuAbaco, 8> MenuNascosto;

enum class DialogoAbaco { Materiale, Modifica };

// Where the browser was when it closed, so that it reopens there during the session: the
// filter, the row shown at the top, the current row (both counted in the filtered list, -1 for
// none) and the window's size in pixels (0 for the default).
struct PosizioneElenco {
    std::string Filtro;
    int RigaInAlto = 0;
    int Corrente = -1;
    int Larghezza = 0;
    int Altezza = 0;
};

// The keys that move the current row.
enum class TastoElenco { Su, Giu, PaginaSu, PaginaGiu, Inizio, Fine };

class ElencoMateriali {
  public:
    // Hands the whole list to the file after every completed edit.
    using Salvataggio = std::function<void(const Abaco&)>;
    // Loads the chosen row wherever the browser was opened for (the main window's layer).
    using Caricamento = std::function<void(const VoceAbaco&)>;

    // Consult mode: a chosen material is handed to carica.
    static ElencoMateriali Consulta(Abaco abaco, Caricamento carica);
    // Edit mode: every completed edit is handed to salva.
    static ElencoMateriali Modifica(Abaco abaco, Salvataggio salva);

    const Abaco& Voci() const { return abaco_; }
    // The row r, or nothing beyond the last row.
    const VoceAbaco* Voce(int r) const;
    int UltimoIndice() const { return static_cast<int>(abaco_.size()) - 1; }
    // Index of the last row the filter lets through (UltimoIndice without a filter).
    int UltimoVisibile() const { return static_cast<int>(visibili_.size()) - 1; }
    // Index of the last grid row that shows data.
    int RigheVisibili() const;
    int Righe() const { return righe_; }
    // The grid takes this many rows (a taller window); the rows shown stay from the same top.
    void ImpostaRighe(int righe);

    const CellaAbaco& LabelMat(int k) const;
    bool VScroll1Visibile() const { return vscrollVisibile_; }
    int VScroll1Max() const { return vscrollMax_; }
    int VScroll1Valore() const { return vscrollValore_; }

    const std::string& ModoAbaco() const { return modo_; }

    // While the compliance checks are on the grid shows the specific heat as a sixth column
    // and the dialogs show and edit it; otherwise it is kept unseen through every edit.
    void MostraCaloreSpecifico(bool mostra);
    bool ConCaloreSpecifico() const { return conCalore_; }
    int Colonne() const { return conCalore_ ? ColonneGrigliaConCalore : ColonneGriglia; }
    // The row a dialog works on: the clicked grid row, moved by the scroll bar when it is shown.
    int RigaSelezionata() const;
    // The filter: only the rows whose name it finds are shown (see TrovatoDalFiltro), and
    // the grid starts again from the top.
    void ImpostaFiltro(std::string filtro);
    const std::string& Filtro() const { return filtro_; }

    // The current row, moved by the keyboard and set by a click, counted in the filtered list
    // (-1 for none); the grid scrolls to keep it in sight and shows it in the selection colour.
    int Corrente() const { return corrente_; }
    void Tasto(TastoElenco tasto);
    // The grid cell a click on the current row would hit, or 0 when there is none.
    int CellaCorrente() const;
    // The mouse wheel: the grid scrolls by righe (negative upwards).
    void Scorri(int righe);

    PosizioneElenco Posizione() const;
    // Back where a previous opening left it, as far as the list still allows.
    void Riprendi(const PosizioneElenco& posizione);

    // Whether a material has been loaded into the layer: the browser then closes.
    bool Caricato() const { return caricato_; }

    // Fills the grid from row 0 and sets up the scroll bar; when the filter lets no row
    // through, the first row's name cell says so (AvvisoNessunMateriale).
    void Prosegui2();
    // Fills the grid from the row given by the scroll bar's new value.
    void VScroll1_Change(int valore);

    // Highlights the grid row of cell k in yellow, in consult mode only a row that shows a
    // material; TuttoBianco clears every highlight.
    void LabelMat_MouseMove(int k);
    void TuttoBianco();

    // A click on cell k: in consult mode the material dialog opens, in edit mode the menu.
    enum class EsitoClic { ApriDialogoMateriale, MostraMenu };
    EsitoClic LabelMat_Click(int k);
    // A menu entry with a mode: the mode becomes current and its dialog opens.
    DialogoAbaco MenuNascosto_Click(const VoceMenuAbaco& voce);

    // The operations of the dialogs on row r. A row beyond the last cannot be deleted or
    // modified (nothing happens); an insertion there appends. Each completed edit redraws the
    // grid and hands the list to the file.
    void Carica(int r);
    void Cancella(int r);
    void ModificaVoce(int r, VoceAbaco voce);
    void Inserisci(int r, VoceAbaco voce);

  private:
    ElencoMateriali(Abaco abaco, std::string modo);
    void MostraRiga(int rigaGriglia, int i);
    CellaAbaco& Cella(int k);
    // The rows the filter lets through, from the list.
    void Filtra();
    // Paints every grid row: yellow under the mouse, the current row in the selection colour.
    void Colora();
    int MassimoScorrimento() const;
    // Prosegui2, then the scroll bar to 0 and to v: the grid from row v.
    void RidisegnaDa(int v);
    void SalvaAbaco() const;

    Abaco abaco_;
    std::string modo_;
    Salvataggio salva_;
    Caricamento carica_;
    std::vector<CellaAbaco> celle_ = std::vector<CellaAbaco>(RigheGriglia * 10);
    int righe_ = RigheGriglia;
    std::string filtro_;
    std::vector<int> visibili_;
    int corrente_ = -1;
    int evidenziata_ = -1;
    bool vscrollVisibile_ = false;
    int vscrollMax_ = 0;
    int vscrollValore_ = 0;
    int cellaCliccata_ = 0;
    bool caricato_ = false;
    bool conCalore_ = false;
};

} // namespace paretix
