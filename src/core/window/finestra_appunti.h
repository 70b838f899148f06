#pragma once
// The notes window: a larger box for writing the exercise's notes. On closing, the notes box
// of the main window gets the text without blanks at either end; only a real change counts as
// an edit of the notes, which marks the exercise as modified.

#include <string>

namespace paretix {

inline constexpr const char* DidascaliaAppunti = "   Appunti:";

// What closing the window means for the notes box of the main window. When Modificati is false
// the box keeps its own text untouched (it may differ from Testo only in its line ends).
struct EsitoAppunti {
    std::string Testo;       // the new text of the notes box
    bool Modificati = false; // whether it differs from what the box held
};

class FinestraAppuntiQt {
  public:
    // Opening with the notes of the main window. Line ends are held as the single LF of an
    // edit box, so notes that come with CR LF do not count as changed when left alone.
    explicit FinestraAppuntiQt(const std::string& appunti);

    // The text the window's box shows when it opens.
    const std::string& Text1() const { return originale_; }

    // Closing, with the text of the window's box.
    EsitoAppunti Form_Unload(const std::string& testoCasella) const;

  private:
    std::string originale_;
};

} // namespace paretix
