#pragma once
// Reading a whole file into memory, within a limit, so that a huge or endless file (a device,
// a file that keeps growing) cannot exhaust the memory.

#include <cstddef>
#include <optional>
#include <string>

namespace paretix {

// The bytes of the file, or nothing when it cannot be opened or read, is not a regular file,
// or holds more than limite bytes.
std::optional<std::string> LeggiFile(const std::string& percorso, std::size_t limite);

// Why a file gave no bytes.
enum class MotivoLettura { Assente, Cartella, NonRegolare, NonPermesso, TroppoGrande, Errore };

// The same, telling why in motivo when there are no bytes.
std::optional<std::string> LeggiFile(const std::string& percorso, std::size_t limite,
                                     MotivoLettura& motivo);

} // namespace paretix
