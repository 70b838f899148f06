#pragma once
// The history of the exercise's edits, for "Annulla" and "Ripeti": each step keeps the exercise
// as it was before and after the edit (the exercise is small, so whole copies are simplest and
// cannot miss a field). The history also knows which state was last saved, so that undoing back
// to it leaves the exercise unmodified and redoing away from it modifies it again.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/model/esercizio.h"

namespace paretix {

// The box a typed edit belongs to: its step name and its layer (0 for a box of the whole wall).
struct CasellaDigitata {
    std::string Nome;
    int Strato = 0;
    bool operator==(const CasellaDigitata&) const = default;
};

// The oldest steps are forgotten beyond this many.
inline constexpr std::size_t PassiMassimi = 500;

class Cronologia {
  public:
    // No step; the exercise as it is now is the saved one (salvato) or a state that no file holds
    // (a restored exercise), so that it stays modified until saved.
    void Azzera(bool salvato);

    // An edit named nome took the exercise from prima to dopo. The steps that could be redone
    // are dropped. Typing in a box (casella given) is one step per value: while the last step
    // is the open typing of the same box, the edit joins it.
    void Registra(const std::string& nome, const Esercizio& prima, const Esercizio& dopo,
                  const std::optional<CasellaDigitata>& casella = std::nullopt);
    // The value of the box being typed is complete: the next typing starts a new step.
    void Conferma();
    // Whether typing in casella would join the last step.
    bool Aperta(const CasellaDigitata& casella) const;

    // The exercise to show after undoing or redoing one step, or nothing when there is none.
    std::optional<Esercizio> Annulla();
    std::optional<Esercizio> Ripeti();
    // The name of the step that Annulla or Ripeti would act on, empty when there is none.
    std::string NomeAnnulla() const;
    std::string NomeRipeti() const;

    // The exercise as it is now has been written to its file.
    void Salvato();
    // Whether the exercise as it is now differs from the last saved one.
    bool Modificato() const;

  private:
    struct Passo {
        std::string Nome;
        Esercizio Prima;
        Esercizio Dopo;
        std::optional<CasellaDigitata> Casella;
    };

    std::vector<Passo> passi_;
    // Steps done: passi_[0 .. fatti_-1]; the rest can be redone.
    std::size_t fatti_ = 0;
    // How many steps were done when the exercise was saved; nothing when no state in the
    // history is the saved one.
    std::optional<std::size_t> salvato_ = 0;
    // Whether the last done step is a typing still open.
    bool aperta_ = false;
};

} // namespace paretix
