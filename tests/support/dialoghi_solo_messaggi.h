#pragma once
// The recording Dialoghi for the materials tests, with its messages named Messaggi. The
// materials code asks no question and opens no file dialog, so any of those fails the test.

#include <gtest/gtest.h>

#include <vector>

#include "support/dialoghi_registrati.h"

namespace paretix {

using MessaggioRegistrato = DialoghiRegistrati::Voce;

class DialoghiSoloMessaggi : public DialoghiRegistrati {
  public:
    DialoghiSoloMessaggi() = default;
    DialoghiSoloMessaggi(const DialoghiSoloMessaggi&) = delete;
    DialoghiSoloMessaggi& operator=(const DialoghiSoloMessaggi&) = delete;
    std::vector<MessaggioRegistrato>& Messaggi = Mostrati;

  private:
    void Chiesto() override { ADD_FAILURE() << "domanda o dialogo inatteso"; }
};

} // namespace paretix
