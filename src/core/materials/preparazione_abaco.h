#pragma once
// What the program does with the materials database as it starts: make sure the folder "dati"
// and the file abaco.txt exist, find out whether the program folder may be written, and
// whether the database can be used. Nothing here is ever reported to the user: a program on a
// read-only medium simply works without saving the database, or without the database at all.

#include <string>

namespace paretix {

struct EsitoPreparazioneAbaco {
    // The program folder can be written, so abaco.txt may be created and rewritten.
    bool ScritturaConsentita = false;
    // abaco.txt can be read: the commands that open the materials browser ("&Abaco materiali"
    // and "dati da abaco") are enabled only then, until the program ends.
    bool AbacoUtilizzabile = false;
    std::string PercorsoAbaco;
};

// CartellaProgramma (a trailing "/" does not matter) followed by "/dati/abaco.txt".
std::string PercorsoAbaco(const std::string& CartellaProgramma);
// The climate library beside it: "/dati/clima.txt".
std::string PercorsoLibreriaClima(const std::string& CartellaProgramma);

// Creates the folder "dati" in the program folder, probes whether the program folder can be
// written by creating and removing a folder in it, creates abaco.txt with the one group title
// "Metalli" when it does not exist at all and writing is allowed (an existing file that cannot
// be read is left as it is), checks that it can be read, and
// finally makes it writable (clearing a read-only mode left on it).
EsitoPreparazioneAbaco PreparazioneAbaco(const std::string& CartellaProgramma);

} // namespace paretix
