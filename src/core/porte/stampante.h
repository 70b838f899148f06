#pragma once
// Printing a text on the default printer, as one document.

#include <string>

namespace paretix {

class Stampante {
  public:
    virtual ~Stampante() = default;
    // Whether a default printer is installed.
    virtual bool Disponibile() const = 0;
    // Prints the whole text, each line on its own printed line, long text continuing on
    // further pages; returns false when the printing layer refused the job.
    virtual bool StampaTesto(const std::string& testo) = 0;
};

} // namespace paretix
