#pragma once
// The cause the system gives for a failed file operation, as one German sentence for a message.

#include <string>

// A cause of the program's own beside errno's values: the file is a project, which the program
// only ever reads.
inline constexpr int kIstProjektdatei = -1;

// The sentence for `fehlernummer` (an errno value or `kIstProjektdatei`), such as "Auf dem
// Datenträger ist kein Platz mehr."; empty for 0, which names no cause. ENOENT is said of a file
// to be made: its folder is missing; ESTALE of a file to be written: another has taken its place.
// A cause without a sentence of its own is named as the system names it.
std::string BeschreibeUrsache(int fehlernummer);
// `satz` ended by ": " and the cause where there is one to tell, else by a full stop.
std::string MitUrsache(const std::string& satz, int fehlernummer);
