#pragma once
// The variants of a sweep computed on several threads and handed over in their order, with the
// progress of a long sweep on standard error when it is a terminal.

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "core/variazioni/variazioni.h"

namespace paretix {

// The progress of a long sweep on standard error, when it is a terminal: a bar redrawn on its
// line, at most ten times a second, from the first second on.
class Avanzamento {
  public:
    explicit Avanzamento(std::size_t totale)
        : totale_(totale), terminale_(isatty(STDERR_FILENO) == 1),
          inizio_(std::chrono::steady_clock::now()) {}

    void Mostra(std::size_t fatte) {
        if (!terminale_) {
            return;
        }
        const auto adesso = std::chrono::steady_clock::now();
        if (adesso - inizio_ < Attesa || (mostrato_ && adesso - ultimo_ < Intervallo)) {
            return;
        }
        ultimo_ = adesso;
        mostrato_ = true;
        constexpr std::size_t Larghezza = 40;
        const std::size_t pieni = fatte * Larghezza / totale_;
        std::string riga = "\r[" + std::string(pieni, '#') + std::string(Larghezza - pieni, '.') +
                           "] " + std::to_string(fatte * 100 / totale_) + " % " +
                           std::to_string(fatte) + "/" + std::to_string(totale_) + " varianti";
        std::fwrite(riga.data(), 1, riga.size(), stderr);
    }

    // The last state and the end of its line, when the bar was shown.
    void Fine() {
        if (mostrato_) {
            ultimo_ = {};
            Mostra(totale_);
            std::fputc('\n', stderr);
        }
    }

  private:
    static constexpr std::chrono::seconds Attesa{1};
    static constexpr std::chrono::milliseconds Intervallo{100};
    std::size_t totale_;
    bool terminale_;
    bool mostrato_ = false;
    std::chrono::steady_clock::time_point inizio_;
    std::chrono::steady_clock::time_point ultimo_;
};

// Variants are handed out in blocks, so that the threads meet rarely.
inline constexpr std::size_t VariantiPerBlocco = 16;
// Blocks a thread may be ahead of the writer, so that memory stays bounded.
inline constexpr std::size_t BlocchiInAnticipoPerFilo = 8;

// Computes the blocks of a sweep on fili threads, each with its own variant to reuse, and hands
// their results to consegna in the order of the blocks, on this thread; consegna returns false
// to stop. Variants that take seconds each (a simulation) go one per block, perBlocco 1.
template <typename Risultato>
void InParallelo(std::size_t varianti, unsigned fili,
                 const std::function<Risultato(std::size_t, std::size_t, Variante&)>& calcola,
                 const std::function<bool(Risultato&)>& consegna,
                 std::size_t perBlocco = VariantiPerBlocco) {
    const std::size_t blocchi = (varianti + perBlocco - 1) / perBlocco;
    const std::size_t finestra = BlocchiInAnticipoPerFilo * fili;
    std::vector<std::optional<Risultato>> pronti(blocchi);
    std::mutex guardia;
    std::condition_variable pronto;
    std::condition_variable spazio;
    std::size_t prossimo = 0;
    std::size_t consegnati = 0;
    bool fermo = false;
    Avanzamento avanzamento(varianti);

    auto lavoro = [&] {
        Variante variante;
        while (true) {
            std::size_t blocco = 0;
            {
                std::unique_lock blocca(guardia);
                spazio.wait(blocca, [&] {
                    return fermo || prossimo >= blocchi || prossimo < consegnati + finestra;
                });
                if (fermo || prossimo >= blocchi) {
                    return;
                }
                blocco = prossimo++;
            }
            const std::size_t inizio = blocco * perBlocco;
            Risultato risultato = calcola(inizio, std::min(varianti, inizio + perBlocco), variante);
            {
                std::lock_guard blocca(guardia);
                pronti[blocco] = std::move(risultato);
            }
            pronto.notify_one();
        }
    };
    // A system that gives fewer threads than asked for (a limit of processes or of memory)
    // gets the sweep on those it gives; with none, this thread computes each block itself.
    std::vector<std::thread> filoni;
    try {
        for (unsigned i = 0; i < fili; ++i) {
            filoni.emplace_back(lavoro);
        }
    } catch (const std::system_error&) {
        // the threads made so far carry on
    }
    Variante propria;
    for (std::size_t blocco = 0; blocco < blocchi; ++blocco) {
        if (filoni.empty()) {
            const std::size_t inizio = blocco * perBlocco;
            pronti[blocco] = calcola(inizio, std::min(varianti, inizio + perBlocco), propria);
        }
        std::optional<Risultato> risultato;
        {
            std::unique_lock blocca(guardia);
            while (!pronto.wait_for(blocca, std::chrono::milliseconds(100),
                                    [&] { return pronti[blocco].has_value(); })) {
                avanzamento.Mostra(blocco * perBlocco);
            }
            risultato = std::move(pronti[blocco]);
            pronti[blocco].reset();
            consegnati = blocco + 1;
        }
        spazio.notify_all();
        avanzamento.Mostra(std::min(varianti, consegnati * perBlocco));
        if (!consegna(*risultato)) {
            std::lock_guard blocca(guardia);
            fermo = true;
            break;
        }
    }
    spazio.notify_all();
    for (std::thread& filo : filoni) {
        filo.join();
    }
    avanzamento.Fine();
}

} // namespace paretix
