#pragma once
// Work on the many records of a large project: shared among a few threads, or walked in turn.

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

// Runs aufgabe(i) for every i below anzahl; a large count in contiguous blocks side by side, one
// per core of `kerne` but no more than four, of 500 at least (fewer are done before a thread has
// started). Block b holds [anzahl * b / blocks, anzahl * (b + 1) / blocks); the first runs on the
// calling thread, as does one no thread can be had for. The tasks must not share anything they
// change. Afterwards the exception of the first block that raised one is raised.
void FuerAlleInBloecken(size_t anzahl, unsigned kerne, const std::function<void(size_t)>& aufgabe);

// The cores this process may run on, which may be fewer than the machine has: blocks beyond them
// would only take turns.
unsigned NutzbareKerne();

// Asks the memory for bytes ahead of their use, so that they are on their way meanwhile.
inline void HoleVoraus(const void* anfang, size_t laenge)
{
    constexpr size_t kZeile = 64; // the cache line of the machines this runs on
    const auto* bytes = static_cast<const char*>(anfang);
    for (size_t versatz = 0; versatz < laenge; versatz += kZeile)
        __builtin_prefetch(bytes + versatz);
}

// Calls aufgabe(i) for every index of the objects in turn, asking the memory for the object a
// few places ahead meanwhile: objects made one by one lie scattered, and each would otherwise
// make the walk wait for it. Empty places are passed to the task all the same.
template <class T, class Aufgabe>
void FuerJedesVorausgeholt(const std::vector<std::unique_ptr<T>>& objekte, Aufgabe&& aufgabe)
{
    constexpr size_t kVoraus = 6;
    for (size_t i = 0; i < objekte.size(); ++i) {
        if (i + kVoraus < objekte.size() && objekte[i + kVoraus])
            HoleVoraus(objekte[i + kVoraus].get(), sizeof(T));
        aufgabe(i);
    }
}
