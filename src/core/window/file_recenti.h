#pragma once
// The last exercise files opened or saved, most recent first, for the File menu. The list is
// kept in a text file of the user's configuration folder, one path a line, written whole
// through the safe writer after every change.

#include <cstddef>
#include <string>
#include <vector>

namespace paretix {

inline constexpr std::size_t NumeroFileRecenti = 8;
inline constexpr const char* NomeElencoFileRecenti = "file_recenti.txt";

// Opening a file of the list that is no longer there.
inline constexpr const char* PrefissoFileRecenteMancante = "Il file ";
inline constexpr const char* SuffissoFileRecenteMancante =
    " non esiste più: è stato tolto dall'elenco dei file recenti.";
std::string MessaggioFileRecenteMancante(const std::string& percorso);

class ElencoFileRecenti {
  public:
    // Reads the list from the file elenco (empty: the list lives only in memory). A missing or
    // unreadable file gives an empty list.
    void Carica(std::string elenco);
    const std::vector<std::string>& Elenco() const { return percorsi_; }
    // percorso goes to the top; a path already in the list moves there; the list keeps the
    // NumeroFileRecenti most recent.
    void Aggiungi(const std::string& percorso);
    void Togli(const std::string& percorso);

  private:
    void Scrivi() const;

    std::string elenco_;
    std::vector<std::string> percorsi_;
};

} // namespace paretix
