#pragma once
// Where the program may write: its exports, printed files and settings stores. Opening a FIFO
// waits for the other end for ever, a device is fed, and a new file would take either's place;
// so only a path that names nothing yet or a regular file is written.

#include <filesystem>

// False only when the path names something that is no regular file (also through a link); true
// when it names a regular file, nothing, or cannot be looked at.
bool IstFreiOderRegulaer(const std::filesystem::path& pfad);
// True when both paths name one existing file, however they are written (links, "./", other
// hard links of it).
bool IstDieselbeDatei(const std::filesystem::path& pfad, const std::filesystem::path& andere);
