#include "core/verifiche/json_risultati.h"

#include <nlohmann/json.hpp>

#include "core/calc/igrometrico.h"
#include "core/model/unita_misura.h"
#include "core/verifiche/testo_igrometrica.h"

namespace paretix {

namespace {

using Json = nlohmann::ordered_json;

// Boundaries 0..n of a table, times a factor.
Json Confini(const Tabella& tabella, int n, double fattore = 1) {
    Json valori = Json::array();
    for (int k = 0; k <= n; ++k) {
        valori.push_back(tabella[k] * fattore);
    }
    return valori;
}

Json Termico(const RisultatiCalcolo& r, int n) {
    return {{"U", r.H},
            {"R_strati", r.SommatoriaResistenze},
            {"R_totale", 1 / r.H},
            {"flusso", r.FI},
            {"temperature", Confini(r.T, n)}};
}

Json Igrometrico(const RisultatiCalcolo& r, int n) {
    Json condensa = Json::array();
    for (int k = 0; k <= n; ++k) {
        condensa.push_back(CondensaAlConfine(r, k));
    }
    return {{"pressione_vapore_interna", r.Pvi * PascalPerEttopascal},
            {"pressione_vapore_esterna", r.Pve * PascalPerEttopascal},
            {"pressione_saturazione_interna", r.Pvsi * PascalPerEttopascal},
            {"pressione_saturazione_esterna", r.Pvse * PascalPerEttopascal},
            {"pressione_vapore", Confini(r.Pv, n, PascalPerEttopascal)},
            {"pressione_saturazione", Confini(r.Pvs, n, PascalPerEttopascal)},
            {"condensa", condensa}};
}

Json Acustico(const RisultatiCalcolo& r) {
    return {{"frequenze", FrequenzeOttava},
            {"intensita_in_entrata", r.DisturboInEntrata},
            {"potere_fonoisolante", r.PotereFonoisolanteParete},
            {"rumore_trasmesso", r.EnergiaTrasmessa}};
}

// A text that is empty, or a number that is missing, is null.
Json OppureNull(const std::string& testo) {
    return testo.empty() ? Json(nullptr) : Json(testo);
}

template <typename T> Json OppureNull(const std::optional<T>& valore) {
    return valore ? Json(*valore) : Json(nullptr);
}

Json Trasmittanza(const VerificaTrasmittanza& v) {
    Json j = {{"U", v.U},
              {"U_esercizio", v.UEsercizio},
              {"Rsi", v.Superfici.Rsi},
              {"Rse", v.Superfici.Rse}};
    if (v.Ponti) {
        j["R_superiore"] = v.Ponti->Superiore;
        j["R_inferiore"] = v.Ponti->Inferiore;
        j["errore_relativo"] = v.Ponti->ErroreRelativo;
    }
    if (v.DeltaUf) {
        j["delta_Uf"] = *v.DeltaUf;
        j["delta_Uf_applicata"] = v.DeltaUfConta;
        if (v.DeltaUfConta) {
            j["U_c"] = v.U + *v.DeltaUf;
        }
    }
    if (v.Btr) {
        j["btr"] = *v.Btr;
        j["U_btr"] = v.UConfrontata;
    }
    j["limite"] = OppureNull(v.Limite);
    j["riferimento"] = v.Riferimento;
    j["fonte"] = OppureNull(v.Fonte);
    j["esito"] = OppureNull(v.Esito);
    j["mancanti"] = v.Mancanti;
    if (v.SpessoreAggiuntivo) {
        j["strato_isolante"] = v.StratoIsolante;
        j["spessore_aggiuntivo"] = *v.SpessoreAggiuntivo;
    }
    j["note"] = v.Note;
    return j;
}

Json Acustica(const VerificaAcustica& v) {
    Json j = {{"Rw", v.Rw},
              {"C", v.C},
              {"Ctr", v.Ctr},
              {"Rw_empirico", OppureNull(v.RwEmpirico)},
              {"Ms", v.Ms},
              {"grandezza", OppureNull(v.Grandezza)},
              {"requisito", OppureNull(v.Requisito)},
              {"fonte", OppureNull(v.Fonte)},
              {"esito", OppureNull(v.Esito)},
              {"mancanti", v.Mancanti},
              {"note", v.Note}};
    if (v.Facciata) {
        j["Rw_parete"] = v.RwParete;
        j["R_primo_w"] = v.Facciata->RPrimoW;
        j["D2m_nT_w"] = v.Facciata->D2mnTw;
    }
    return j;
}

Json Dinamica(const VerificaDinamica& v) {
    if (!v.Caratteristiche) {
        return {{"calore_specifico_mancante", v.SenzaCaloreSpecifico}};
    }
    const CaratteristichePeriodiche& c = *v.Caratteristiche;
    return {{"Yie", c.Yie},
            {"f", c.FattoreAttenuazione},
            {"sfasamento_ore", c.SfasamentoOre},
            {"kappa1", c.Kappa1 / JouleInKilojoule},
            {"kappa2", c.Kappa2 / JouleInKilojoule},
            {"Y11", c.Y11},
            {"Y22", c.Y22}};
}

Json Estiva(const VerificaEstiva& v) {
    return {{"Ms", v.Ms},
            {"Yie", OppureNull(v.Yie)},
            {"applicabile", OppureNull(v.Applicabile)},
            {"esito", OppureNull(v.Esito)},
            {"motivo", OppureNull(v.Motivo)},
            {"mancanti", v.Mancanti}};
}

// Months are numbered 1 to 12 in the output.
int Mese(int indice) {
    return indice + 1;
}

Json Muffa(const VerificaIgrometrica& v) {
    if (!v.Risultato) {
        return {{"mancanti", v.Mancanti}};
    }
    const RisultatoIgrometriaMensile& r = *v.Risultato;
    Json j = {{"fRsi", r.FRsi},
              {"fRsi_max", OppureNull(r.FRsiMax)},
              {"mese_critico", r.FRsiMax ? Json(Mese(r.MeseCritico)) : Json(nullptr)},
              {"esito", EsitoMuffa(r)}};
    if (v.RimedioMuffa) {
        j["strato_isolante"] = v.StratoIsolante;
        j["spessore_aggiuntivo"] = OppureNull(v.SpessoreMuffa);
    }
    return j;
}

Json Condensa(const VerificaIgrometrica& v) {
    if (!v.Risultato) {
        return {{"mancanti", v.Mancanti}};
    }
    const RisultatoIgrometriaMensile& r = *v.Risultato;
    Json mesi = Json::array();
    for (int m = 0; m < MesiAnno; ++m) {
        const MeseIgrometrico& mese = r.Mesi[static_cast<std::size_t>(m)];
        mesi.push_back({{"mese", Mese(m)},
                        {"theta_e", mese.Te},
                        {"phi_e", mese.Ue},
                        {"theta_i", mese.Ti},
                        {"p_i", mese.Pi},
                        {"theta_si", mese.Tsi},
                        {"fRsi_min", OppureNull(mese.FRsiMin)},
                        {"g", mese.FlussoTotale},
                        {"Ma", mese.AccumuloTotale}});
    }
    const bool condensa = r.Esito != EsitoCondensa::Assente;
    Json j = {{"mesi", mesi},
              {"Ma_max", r.AccumuloMassimo},
              {"mese_Ma_max", condensa ? Json(Mese(r.MeseAccumuloMassimo)) : Json(nullptr)},
              {"interfaccia_Ma_max", condensa ? Json(r.InterfacciaAccumuloMassimo) : Json(nullptr)},
              {"mese_inizio", condensa ? Json(Mese(r.MeseInizio)) : Json(nullptr)},
              {"evapora", r.EvaporaTutta},
              {"ammissibile", r.Ammissibile},
              {"criterio", CriterioCondensa},
              {"esito", EsitoCondensaTesto(r.Esito)}};
    if (v.RimedioCondensa) {
        j["interfaccia_freno"] = v.InterfacciaFreno;
        j["sd_freno"] = OppureNull(v.SdFreno);
    }
    return j;
}

Json Radice(const Esercizio& e, const RisultatiCalcolo& r, const RisultatiVerifiche& v) {
    const int n = e.NumeroStrati();
    Json risultati = Json::object();
    if (e.Termico) {
        risultati["termico"] = Termico(r, n);
    }
    if (e.Igrometrico) {
        risultati["igrometrico"] = Igrometrico(r, n);
    }
    if (e.Acustico) {
        risultati["acustico"] = Acustico(r);
    }
    Json radice = {{"risultati", risultati}};
    if (e.Verifiche.Attive) {
        Json verifiche = Json::object();
        if (v.Trasmittanza) {
            verifiche["trasmittanza"] = Trasmittanza(*v.Trasmittanza);
        }
        if (v.Acustica) {
            verifiche["acustica"] = Acustica(*v.Acustica);
        }
        if (v.MassaSuperficiale) {
            verifiche["massa_superficiale"] = *v.MassaSuperficiale;
        }
        if (v.Dinamica) {
            verifiche["dinamica"] = Dinamica(*v.Dinamica);
            verifiche["estiva"] = Estiva(*v.Estiva);
        }
        if (v.Igrometrica) {
            verifiche["muffa"] = Muffa(*v.Igrometrica);
            verifiche["condensa"] = Condensa(*v.Igrometrica);
        }
        radice["verifiche"] = verifiche;
    }
    return radice;
}

Json Iniziali(const CampiIniziali& iniziali) {
    Json riga = Json::object();
    for (const auto& [chiave, valore] : iniziali) {
        riga[chiave] = valore;
    }
    return riga;
}

std::string Riga(const Json& riga) {
    return riga.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace

std::string JsonRisultati(const Esercizio& e, const RisultatiCalcolo& r,
                          const RisultatiVerifiche& v) {
    return Radice(e, r, v).dump(2, ' ', false, Json::error_handler_t::replace);
}

std::string JsonRigaRisultati(const std::string& file, const Esercizio& e,
                              const RisultatiCalcolo& r, const RisultatiVerifiche& v) {
    return JsonRigaRisultati(CampiIniziali{}, file, e, r, v);
}

std::string JsonRigaErrore(const std::string& file, const std::string& messaggio, int stato) {
    return JsonRigaErrore(CampiIniziali{}, file, messaggio, stato);
}

std::string JsonRigaRisultati(const CampiIniziali& iniziali, const std::string& file,
                              const Esercizio& e, const RisultatiCalcolo& r,
                              const RisultatiVerifiche& v) {
    Json riga = Iniziali(iniziali);
    riga["file"] = file;
    riga.update(Radice(e, r, v));
    return Riga(riga);
}

std::string JsonRigaErrore(const CampiIniziali& iniziali, const std::string& file,
                           const std::string& messaggio, int stato) {
    Json riga = Iniziali(iniziali);
    riga["file"] = file;
    riga["errore"] = {{"messaggio", messaggio}, {"stato", stato}};
    return Riga(riga);
}

} // namespace paretix
