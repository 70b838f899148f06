#pragma once
// The changes of the list of layers that the layer operations are made of.

#include "core/model/esercizio.h"

namespace paretix {

// Copies layer j + d into layer j (d = +1 when deleting, -1 when inserting): its rectangle, its
// type and name, every box with its text, tool tip, colour and read-only state, and which boxes
// are shown.
void EventiTraslazione(Esercizio& e, int j, int d);

// Makes layer t a blank material layer typed by hand.
void InserisciStratoADestraASinistra(Esercizio& e, int t);

// Makes layer k a material typed by hand: its values stay, but they become editable typed
// values (tool tips emptied, window colour), and its name says no specific material.
void StratoDaTastiera(Esercizio& e, int k);

} // namespace paretix
