#pragma once
// Test helpers for code that works on the file system.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace paretix::test {

// A new empty folder, removed with everything in it at the end of the test.
class CartellaTemporanea {
  public:
    CartellaTemporanea() {
        std::random_device casuale;
        percorso_ = std::filesystem::temp_directory_path() /
                    ("paretix-test-" + std::to_string(casuale()) + std::to_string(casuale()));
        std::filesystem::create_directory(percorso_);
    }
    ~CartellaTemporanea() {
        std::error_code errore;
        for (const auto& voce : std::filesystem::recursive_directory_iterator(percorso_, errore)) {
            std::filesystem::permissions(voce.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, errore);
        }
        std::filesystem::permissions(percorso_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, errore);
        std::filesystem::remove_all(percorso_, errore);
    }
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;

    std::string operator/(const std::string& nome) const { return (percorso_ / nome).string(); }
    std::string Percorso() const { return percorso_.string(); }

  private:
    std::filesystem::path percorso_;
};

// The user id of "nobody", whom the tests become to meet file permissions as a user does.
inline constexpr uid_t UtenteNobody = 65534;

// While it lives, file permissions bind this process even when the tests run as root (as in
// CI): the effective user becomes "nobody", so a folder or file without write permission for
// others cannot be written.
class ComeUtenteQualsiasi {
  public:
    ComeUtenteQualsiasi() : eraRoot_(geteuid() == 0) {
        if (eraRoot_ && seteuid(UtenteNobody) != 0) {
            eraRoot_ = false;
        }
    }
    ~ComeUtenteQualsiasi() {
        if (eraRoot_ && seteuid(0) != 0) {
            std::abort();
        }
    }
    ComeUtenteQualsiasi(const ComeUtenteQualsiasi&) = delete;
    ComeUtenteQualsiasi& operator=(const ComeUtenteQualsiasi&) = delete;

  private:
    bool eraRoot_;
};

// Removes the write permissions of a file or folder (for everyone).
inline void SolaLettura(const std::string& percorso) {
    using std::filesystem::perms;
    std::filesystem::permissions(percorso,
                                 perms::owner_write | perms::group_write | perms::others_write,
                                 std::filesystem::perm_options::remove);
}

// Moves the modification time of percorso back by secondi; false when it cannot.
inline bool Invecchia(const std::string& percorso, int secondi) {
    struct stat stato {};
    if (::stat(percorso.c_str(), &stato) != 0) {
        return false;
    }
    timespec tempi[2] = {stato.st_atim, stato.st_mtim};
    tempi[1].tv_sec -= secondi;
    return ::utimensat(AT_FDCWD, percorso.c_str(), tempi, 0) == 0;
}

inline std::string LeggiTutto(const std::string& percorso) {
    std::ifstream file(percorso, std::ios::binary);
    std::ostringstream testo;
    testo << file.rdbuf();
    return testo.str();
}

inline void ScriviTutto(const std::string& percorso, const std::string& contenuto) {
    std::ofstream(percorso, std::ios::binary) << contenuto;
}

} // namespace paretix::test
