// Writes the sample project, or a large synthetic one for trying the viewer with many protocols.
//
//   musterprojekt ZIELDATEI [PROTOKOLLE MESSUNGEN]

#include "musterbauer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "Aufruf: musterprojekt ZIELDATEI [PROTOKOLLE MESSUNGEN]\n");
        return 2;
    }
    const MusterProjekt projekt =
        argc == 2 ? BaueMusterprojekt()
                  : BaueGrossesProjekt(std::max(1, std::atoi(argv[2])), std::atoi(argv[3]));
    if (!SchreibeProjektDatei(projekt, argv[1])) {
        std::fprintf(stderr, "musterprojekt: %s konnte nicht geschrieben werden\n", argv[1]);
        return 1;
    }
    return 0;
}
