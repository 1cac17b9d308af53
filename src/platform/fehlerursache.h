#pragma once
// The cause the system gives for a failed file operation, as one German sentence for a message.

#include <string>

// The sentence for `fehlernummer` (an errno value), such as "Auf dem Datenträger ist kein Platz
// mehr."; empty for a cause that is not worth telling a user. ENOENT is said of a file to be
// made: its folder is missing; ESTALE of a file to be written: another has taken its place.
std::string BeschreibeUrsache(int fehlernummer);
// `satz` ended by ": " and the cause where there is one to tell, else by a full stop.
std::string MitUrsache(const std::string& satz, int fehlernummer);
