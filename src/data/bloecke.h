#pragma once
// Work on the many records of a large project, shared among a few threads.

#include <cstddef>
#include <functional>

// Runs aufgabe(i) for every i below anzahl; a large count in contiguous blocks side by side, one
// per core of `kerne` but no more than four, of 500 at least (fewer are done before a thread has
// started). Block b holds [anzahl * b / blocks, anzahl * (b + 1) / blocks); the first runs on the
// calling thread, as does one no thread can be had for. The tasks must not share anything they
// change. Afterwards the exception of the first block that raised one is raised.
void FuerAlleInBloecken(size_t anzahl, unsigned kerne, const std::function<void(size_t)>& aufgabe);

// The cores this process may run on, which may be fewer than the machine has: blocks beyond them
// would only take turns.
unsigned NutzbareKerne();
