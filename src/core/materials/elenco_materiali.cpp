#include "core/materials/elenco_materiali.h"

#include <algorithm>

#include "core/materials/maiuscolo.h"
#include "core/materials/modo_abaco.h"
#include "core/materials/ricerca_materiali.h"

namespace paretix {

const std::array<VoceMenuAbaco, 8> MenuNascosto = {{
    {"InserireNuovoMateriale", "Inserire nuovo materiale", nullptr, nullptr},
    {"PrinaDelSelezionato", "Prina del selezionato", "InserireNuovoMateriale",
     ModificaAbacoAggiungiPrima},
    {"DopoIlSelezionato", "Dopo il selezionato", "InserireNuovoMateriale",
     ModificaAbacoAggiungiDopo},
    {"CancellareMateriale", "Cancellare materiale", nullptr, ModificaAbacoCancella},
    {"ModificareMateriale", "Modificare materiale", nullptr, ModificaAbacoModifica},
    {"InserisciTitoloGruppoMateriali", "Inserisci titolo gruppo materiali", nullptr, nullptr},
    {"InserisciTitoloGruppoMaterialiSopra", "Sopra il rigo selezionato",
     "InserisciTitoloGruppoMateriali", ModificaAbacoGruppoSopra},
    {"InserisciTitoloGruppoMaterialiSotto", "Sotto il rigo selezionato",
     "InserisciTitoloGruppoMateriali", ModificaAbacoGruppoSotto},
}};

ElencoMateriali::ElencoMateriali(Abaco abaco, std::string modo)
    : abaco_(std::move(abaco)), modo_(std::move(modo)) {
    Filtra();
    Prosegui2();
}

ElencoMateriali ElencoMateriali::Consulta(Abaco abaco, Caricamento carica) {
    ElencoMateriali f(std::move(abaco), ConsultaAbaco);
    f.carica_ = std::move(carica);
    return f;
}

ElencoMateriali ElencoMateriali::Modifica(Abaco abaco, Salvataggio salva) {
    ElencoMateriali f(std::move(abaco), ModificaAbaco);
    f.salva_ = std::move(salva);
    return f;
}

void ElencoMateriali::MostraCaloreSpecifico(bool mostra) {
    conCalore_ = mostra;
    RidisegnaDa(vscrollValore_);
}

const VoceAbaco* ElencoMateriali::Voce(int r) const {
    if (r < 0 || r > UltimoIndice()) {
        return nullptr;
    }
    return &abaco_[static_cast<std::size_t>(r)];
}

int ElencoMateriali::RigheVisibili() const {
    return std::min(UltimoVisibile(), righe_ - 1);
}

int ElencoMateriali::MassimoScorrimento() const {
    return std::max(0, UltimoVisibile() - (righe_ - 1));
}

void ElencoMateriali::ImpostaRighe(int righe) {
    righe_ = std::clamp(righe, RigheGriglia, RigheGrigliaMassime);
    celle_.resize(static_cast<std::size_t>(righe_) * 10);
    RidisegnaDa(vscrollValore_);
}

void ElencoMateriali::Filtra() {
    visibili_.clear();
    for (std::size_t i = 0; i < abaco_.size(); ++i) {
        if (TrovatoDalFiltro(abaco_[i].Materiale, filtro_)) {
            visibili_.push_back(static_cast<int>(i));
        }
    }
    corrente_ = std::min(corrente_, UltimoVisibile());
}

void ElencoMateriali::ImpostaFiltro(std::string filtro) {
    filtro_ = std::move(filtro);
    corrente_ = -1;
    Filtra();
    RidisegnaDa(0);
}

const CellaAbaco& ElencoMateriali::LabelMat(int k) const {
    return celle_.at(static_cast<std::size_t>(k));
}

CellaAbaco& ElencoMateriali::Cella(int k) {
    return celle_.at(static_cast<std::size_t>(k));
}

// A row of the filtered list maps to its row of the database; a grid row below the last shown
// lies beyond the last row of the database by as much as it lies beyond the last shown.
int ElencoMateriali::RigaSelezionata() const {
    const int p = cellaCliccata_ / 10 + (vscrollVisibile_ ? vscrollValore_ : 0);
    if (p <= UltimoVisibile()) {
        return visibili_[static_cast<std::size_t>(p)];
    }
    return UltimoIndice() + (p - UltimoVisibile());
}

void ElencoMateriali::MostraRiga(int rigaGriglia, int p) {
    const VoceAbaco& v = abaco_[static_cast<std::size_t>(visibili_[static_cast<std::size_t>(p)])];
    const int base = 10 * rigaGriglia;
    Cella(base + 2).Caption = v.Densità;
    Cella(base + 3).Caption = v.Conduttività;
    Cella(base + 4).Caption = v.Permeabilità;
    Cella(base + 5).Caption = v.FatAssorbimento;
    Cella(base + 6).Caption = conCalore_ ? v.CaloreSpecifico : std::string();
    CellaAbaco& nome = Cella(base + 1);
    const bool titolo = v.TitoloGruppo();
    nome.ColoreTesto = titolo ? ColoreRosso : ColoreNero;
    nome.Grassetto = titolo;
    nome.Caption = titolo ? Maiuscolo(v.Materiale) : v.Materiale;
}

void ElencoMateriali::Prosegui2() {
    for (int r = 0; r <= RigheVisibili(); ++r) {
        MostraRiga(r, r);
    }
    for (int r = UltimoVisibile() + 1; r < righe_; ++r) {
        for (int c = 1; c <= ColonneGrigliaConCalore; ++c) {
            Cella(10 * r + c).Caption.clear();
        }
    }
    if (UltimoVisibile() < 0 && !filtro_.empty()) {
        CellaAbaco& avviso = Cella(1);
        avviso.Caption = AvvisoNessunMateriale;
        avviso.ColoreTesto = ColoreNero;
        avviso.Grassetto = false;
    }
    vscrollVisibile_ = UltimoVisibile() > righe_ - 1;
    if (vscrollVisibile_) {
        vscrollMax_ = MassimoScorrimento();
    }
    Colora();
}

void ElencoMateriali::VScroll1_Change(int valore) {
    // The top row can go no further than to show the last row in the bottom grid row.
    vscrollValore_ = std::clamp(valore, 0, MassimoScorrimento());
    for (int r = 0; r <= RigheVisibili(); ++r) {
        MostraRiga(r, vscrollValore_ + r);
    }
    Colora();
}

void ElencoMateriali::Colora() {
    for (int r = 0; r < righe_; ++r) {
        const bool corrente = corrente_ >= 0 && vscrollValore_ + r == corrente_;
        const std::int32_t colore = r == evidenziata_ ? ColoreGiallo
                                    : corrente        ? ColoreSelezione
                                                      : ColoreBianco;
        for (int c = 1; c <= ColonneGrigliaConCalore; ++c) {
            Cella(10 * r + c).ColoreSfondo = colore;
        }
    }
}

void ElencoMateriali::LabelMat_MouseMove(int k) {
    const bool vuota = k / 10 + vscrollValore_ > UltimoVisibile();
    evidenziata_ = ModoConsulta(modo_) && vuota ? -1 : k / 10;
    Colora();
}

void ElencoMateriali::TuttoBianco() {
    evidenziata_ = -1;
    Colora();
}

void ElencoMateriali::Tasto(TastoElenco tasto) {
    if (UltimoVisibile() < 0) {
        return;
    }
    // Without a current row the first key picks the top row in sight.
    const int da = corrente_ < 0 ? vscrollValore_ : corrente_;
    int a = da;
    switch (tasto) {
    case TastoElenco::Su:
        a = corrente_ < 0 ? da : da - 1;
        break;
    case TastoElenco::Giu:
        a = corrente_ < 0 ? da : da + 1;
        break;
    case TastoElenco::PaginaSu:
        a = da - righe_;
        break;
    case TastoElenco::PaginaGiu:
        a = da + righe_;
        break;
    case TastoElenco::Inizio:
        a = 0;
        break;
    case TastoElenco::Fine:
        a = UltimoVisibile();
        break;
    }
    corrente_ = std::clamp(a, 0, UltimoVisibile());
    if (corrente_ < vscrollValore_) {
        VScroll1_Change(corrente_);
    } else if (corrente_ > vscrollValore_ + righe_ - 1) {
        VScroll1_Change(corrente_ - (righe_ - 1));
    } else {
        Colora();
    }
}

int ElencoMateriali::CellaCorrente() const {
    const int r = corrente_ - vscrollValore_;
    return corrente_ >= 0 && r >= 0 && r < righe_ ? 10 * r + 1 : 0;
}

void ElencoMateriali::Scorri(int righe) {
    VScroll1_Change(vscrollValore_ + righe);
}

PosizioneElenco ElencoMateriali::Posizione() const {
    return {filtro_, vscrollValore_, corrente_, 0, 0};
}

void ElencoMateriali::Riprendi(const PosizioneElenco& posizione) {
    filtro_ = posizione.Filtro;
    Filtra();
    corrente_ = std::clamp(posizione.Corrente, -1, UltimoVisibile());
    RidisegnaDa(posizione.RigaInAlto);
}

ElencoMateriali::EsitoClic ElencoMateriali::LabelMat_Click(int k) {
    cellaCliccata_ = k;
    const int p = k / 10 + vscrollValore_;
    if (p <= UltimoVisibile()) {
        corrente_ = p;
        Colora();
    }
    return ModoConsulta(modo_) ? EsitoClic::ApriDialogoMateriale : EsitoClic::MostraMenu;
}

DialogoAbaco ElencoMateriali::MenuNascosto_Click(const VoceMenuAbaco& voce) {
    if (voce.Modo != nullptr) { // a sub-menu entry changes nothing
        modo_ = voce.Modo;
    }
    return modo_ == ModificaAbacoCancella ? DialogoAbaco::Materiale : DialogoAbaco::Modifica;
}

void ElencoMateriali::RidisegnaDa(int v) {
    Prosegui2();
    vscrollValore_ = 0;
    VScroll1_Change(v);
}

void ElencoMateriali::SalvaAbaco() const {
    if (salva_) {
        salva_(abaco_);
    }
}

void ElencoMateriali::Carica(int r) {
    const VoceAbaco* voce = Voce(r);
    if (!carica_ || voce == nullptr) {
        return;
    }
    carica_(*voce);
    caricato_ = true;
}

void ElencoMateriali::Cancella(int r) {
    if (Voce(r) == nullptr) {
        return;
    }
    abaco_.erase(abaco_.begin() + r);
    Filtra();
    RidisegnaDa(std::max(0, vscrollValore_ - 1));
    SalvaAbaco();
}

void ElencoMateriali::ModificaVoce(int r, VoceAbaco voce) {
    if (Voce(r) == nullptr) {
        return;
    }
    abaco_[static_cast<std::size_t>(r)] = std::move(voce);
    Filtra();
    RidisegnaDa(vscrollValore_);
    SalvaAbaco();
}

void ElencoMateriali::Inserisci(int r, VoceAbaco voce) {
    const bool dopo = modo_ == ModificaAbacoAggiungiDopo || modo_ == ModificaAbacoGruppoSotto;
    // A row beyond the last (an empty grid row) appends, so an empty list can get its first row.
    const int p = std::clamp(dopo ? r + 1 : r, 0, UltimoIndice() + 1);
    abaco_.insert(abaco_.begin() + p, std::move(voce));
    Filtra();
    RidisegnaDa(vscrollValore_);
    SalvaAbaco();
}

} // namespace paretix
