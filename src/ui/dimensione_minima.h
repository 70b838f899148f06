#pragma once
// A dialog is never smaller than its layout needs: a size given in twips or pixels is the
// design, but where the fonts of the platform make the layout's minimum larger, the minimum wins.

class QWidget;

namespace paretix::ui {

// Raises the dialog's minimum size to its layout's and, when a size was already given, its size
// to that minimum. A dialog without a layout is left as it is.
void AlmenoDimensioneMinima(QWidget* dialogo);

} // namespace paretix::ui
