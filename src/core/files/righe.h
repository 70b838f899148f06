#pragma once
// Reading a text file line by line. A line ends with CR LF, LF or a lone CR, so files edited on
// any system read the same; the last line may lack its line end.

#include <cstddef>
#include <optional>
#include <string_view>

namespace paretix {

class LettoreRighe {
  public:
    explicit LettoreRighe(std::string_view testo) : testo_(testo) {}

    // The next line without its line end, or nothing once the text is over. The line is a view
    // into the text given to the constructor.
    std::optional<std::string_view> Prossima();

    // Offset of the first byte not yet read: where the next line starts.
    std::size_t Posizione() const { return posizione_; }

  private:
    std::string_view testo_;
    std::size_t posizione_ = 0;
};

} // namespace paretix
