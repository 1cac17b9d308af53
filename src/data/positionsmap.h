#pragma once
// Record position → record text of the live protocol records. The visiting order is that of a
// hash table of 17 buckets (bucket = (position as unsigned 32 bit >> 4) mod 17) whose chains take
// new entries at their head: buckets 0 to 16 in turn, each chain from head to tail. The project
// lists its protocols in this order, so it is kept exactly. The texts are views: whoever fills
// the map keeps the bytes they show.

#include <array>
#include <climits>
#include <cstddef>
#include <string_view>
#include <vector>

class CPositionsMap
{
public:
    static constexpr int kFaecher = 17;

    struct Eintrag
    {
        long position;
        std::string_view text;
    };

    class Iterator
    {
    public:
        const Eintrag& operator*() const { return (*m_faecher)[m_fach][m_rest - 1]; }
        const Eintrag* operator->() const { return &**this; }
        Iterator& operator++();
        bool operator==(const Iterator& andere) const = default;

    private:
        friend class CPositionsMap;
        using Faecher = std::array<std::vector<Eintrag>, kFaecher>;
        Iterator(const Faecher* faecher, int fach);
        void UeberspringeLeere();

        const Faecher* m_faecher;
        int m_fach;
        size_t m_rest; // entries of the current chain not yet visited; the next is [m_rest - 1]
    };

    static int Fach(long position);

    // Adds the entry at the head of its chain; an existing position keeps its place and takes
    // the new text.
    void Setze(long position, std::string_view text);
    const std::string_view* Finde(long position) const;
    size_t Anzahl() const;

    Iterator begin() const { return Iterator(&m_faecher, 0); }
    Iterator end() const { return Iterator(&m_faecher, kFaecher); }

private:
    // Each chain is stored tail first, so that its head is the last element.
    std::array<std::vector<Eintrag>, kFaecher> m_faecher;
    // No position beyond the largest can be in the map: a scan that adds growing positions
    // searches no chain.
    long m_groesstePosition = LONG_MIN;
};
