#include "core/verifiche/righe_verifiche.h"

#include "core/verifiche/indice_acustico.h"
#include "core/verifiche/testo_igrometrica.h"
#include "core/verifiche/testo_verifiche.h"

namespace paretix {

namespace {

const char* Segno(const std::optional<bool>& superata) {
    if (!superata) {
        return SegnoNessunEsito;
    }
    return *superata ? SegnoSuperata : SegnoNonSuperata;
}

RigaVerifica SoloValore(std::string grandezza, std::string valore) {
    return {std::move(grandezza), std::move(valore), "", "", SegnoNessunEsito};
}

RigaVerifica NonEseguita(const char* grandezza, const char* richiede) {
    return {grandezza, SegnoNessunEsito, "", richiede, SegnoNessunEsito};
}

void Trasmittanza(std::vector<RigaVerifica>& righe, const VerificaTrasmittanza& v) {
    RigaVerifica confronto = SoloValore(GrandezzaTrasmittanza, TestoTrasmittanzaDiLegge(v));
    if (v.SuperficiDiverse) {
        righe.push_back(
            SoloValore(GrandezzaTrasmittanzaEsercizio, TestoTrasmittanza(v.UEsercizio)));
    }
    if (v.Ponti) {
        righe.push_back(SoloValore(GrandezzaLimitiResistenza, TestoLimitiResistenza(*v.Ponti)));
    }
    if (v.DeltaUf) {
        righe.push_back(SoloValore(GrandezzaFissaggi, TestoTrasmittanza(*v.DeltaUf)));
    }
    if (v.DeltaUfConta) {
        righe.push_back(confronto);
        confronto = SoloValore(GrandezzaTrasmittanzaFissaggi, TestoTrasmittanza(v.U + *v.DeltaUf));
    }
    if (v.Btr) {
        righe.push_back(confronto);
        confronto =
            SoloValore(std::string(GrandezzaTrasmittanzaCorretta) + " (" + TestoBtr(*v.Btr) + ")",
                       TestoTrasmittanza(v.UConfrontata));
    }
    if (v.Mancanti.empty()) {
        confronto.Limite = TestoLimite(v);
        confronto.Esito = v.Esito;
        confronto.Segno = Segno(v.Rispettata);
    } else {
        confronto.Esito = TestoMancanti(v.Mancanti);
    }
    righe.push_back(confronto);
    if (v.SpessoreAggiuntivo) {
        righe.push_back(SoloValore(GrandezzaSpessore + std::to_string(v.StratoIsolante),
                                   TestoSpessore(*v.SpessoreAggiuntivo)));
    }
}

void Acustica(std::vector<RigaVerifica>& righe, const VerificaAcustica& v) {
    righe.push_back(SoloValore(EtichettaRwOttave, TestoRwOttave(v)));
    RigaVerifica empirico = SoloValore(
        EtichettaRwEmpirico, v.RwEmpirico ? TestoDecibel(*v.RwEmpirico) : SegnoNessunEsito);
    if (v.Facciata) {
        righe.push_back(empirico);
        empirico = SoloValore(GrandezzaFacciata, TestoFacciata(v));
    }
    if (v.Mancanti.empty()) {
        empirico.Limite = TestoRequisito(v);
        empirico.Esito = v.Esito;
        empirico.Segno = Segno(v.Superata);
    } else {
        empirico.Esito = TestoMancanti(v.Mancanti);
    }
    righe.push_back(empirico);
}

void Dinamica(std::vector<RigaVerifica>& righe, const VerificaDinamica& v) {
    if (!v.Caratteristiche) {
        RigaVerifica riga = SoloValore(GrandezzaYie, SegnoNessunEsito);
        riga.Esito = TestoSenzaCaloreSpecifico(v.SenzaCaloreSpecifico);
        righe.push_back(riga);
        return;
    }
    for (const auto& [grandezza, valore] : TestiDinamica(*v.Caratteristiche)) {
        righe.push_back(SoloValore(grandezza, valore));
    }
}

void Estiva(std::vector<RigaVerifica>& righe, const VerificaEstiva& v) {
    RigaVerifica riga = SoloValore(GrandezzaEstiva, TestoValoriEstiva(v));
    if (!v.Mancanti.empty()) {
        riga.Esito = TestoMancanti(v.Mancanti);
    } else {
        riga.Limite = RequisitoEstivo;
        riga.Esito = v.Esito + (v.Motivo.empty() ? "" : " (" + v.Motivo + ")");
        riga.Segno = Segno(v.Rispettata);
    }
    righe.push_back(riga);
}

void Igrometrica(std::vector<RigaVerifica>& righe, const VerificaIgrometrica& v) {
    if (!v.Risultato) {
        for (const char* grandezza : {GrandezzaMuffa, GrandezzaCondensa}) {
            RigaVerifica riga = SoloValore(grandezza, SegnoNessunEsito);
            riga.Esito = TestoMancanti(v.Mancanti);
            righe.push_back(riga);
        }
        return;
    }
    const RisultatoIgrometriaMensile& r = *v.Risultato;
    righe.push_back(
        {GrandezzaMuffa, TestoFRsi(r), TestoMargineMuffa(r), EsitoMuffa(r), Segno(r.MuffaEvitata)});
    if (v.RimedioMuffa) {
        righe.push_back(SoloValore(GrandezzaSpessoreMuffa, TestoSpessoreMuffa(v)));
    }
    righe.push_back({GrandezzaCondensa, TestoCondensa(r), RequisitoCondensa(r),
                     EsitoCondensaTesto(r.Esito), Segno(r.Esito != EsitoCondensa::NonVerificata)});
    if (v.RimedioCondensa) {
        righe.push_back(SoloValore(GrandezzaFreno, TestoFreno(v)));
    }
}

} // namespace

std::vector<RigaVerifica> RigheVerifiche(const RisultatiVerifiche& v) {
    std::vector<RigaVerifica> righe;
    if (v.Trasmittanza) {
        Trasmittanza(righe, *v.Trasmittanza);
    } else {
        righe.push_back(NonEseguita(GrandezzaTrasmittanza, RichiedeCalcoloTermico));
    }
    if (v.Acustica) {
        Acustica(righe, *v.Acustica);
    } else {
        righe.push_back(NonEseguita(EtichettaRwEmpirico, RichiedeCalcoloAcustico));
    }
    if (v.MassaSuperficiale) {
        righe.push_back(SoloValore(GrandezzaMassa, TestoMassa(*v.MassaSuperficiale)));
    }
    if (v.Dinamica) {
        Dinamica(righe, *v.Dinamica);
        Estiva(righe, *v.Estiva);
    } else {
        righe.push_back(NonEseguita(GrandezzaYie, RichiedeCalcoloTermico));
        righe.push_back(NonEseguita(GrandezzaEstiva, RichiedeCalcoloTermico));
    }
    if (v.Igrometrica) {
        Igrometrica(righe, *v.Igrometrica);
    } else if (v.IgrometricaRichiesta) {
        righe.push_back(NonEseguita(GrandezzaMuffa, RichiedeCalcoloTermicoEIgrometrico));
        righe.push_back(NonEseguita(GrandezzaCondensa, RichiedeCalcoloTermicoEIgrometrico));
    }
    return righe;
}

std::vector<std::string> NoteVerifiche(const RisultatiVerifiche& v) {
    std::vector<std::string> note;
    if (v.Trasmittanza) {
        note.insert(note.end(), v.Trasmittanza->Note.begin(), v.Trasmittanza->Note.end());
    }
    if (v.Acustica) {
        note.insert(note.end(), v.Acustica->Note.begin(), v.Acustica->Note.end());
    }
    return note;
}

} // namespace paretix
