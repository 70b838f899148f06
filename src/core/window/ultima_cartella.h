#pragma once
// The folder of the last file chosen in a file dialog, where the next dialog opens. It is kept
// in a one-line text file of the user's configuration folder.

#include <string>

namespace paretix {

inline constexpr const char* NomeFileUltimaCartella = "ultima_cartella.txt";

class UltimaCartella {
  public:
    // Reads the folder from the file memoria (empty: kept only in memory).
    void Carica(std::string memoria);
    // The folder to open in, or empty (the platform's default) when none was used or it is gone.
    std::string Cartella() const;
    // A file was chosen: its folder is the last one used.
    void Ricorda(const std::string& file);

  private:
    std::string memoria_;
    std::string cartella_;
};

} // namespace paretix
