// Runs a fuzz target once over every input of the files and folders named on the command line,
// as libFuzzer runs a corpus: the normal build replays the seeds and the committed finds with it,
// so a mended fault stays mended. A folder that does not exist holds no inputs; no input at all
// is an error, for then the seeds are missing.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

std::vector<std::filesystem::path> Eingaben(int argc, char** argv)
{
    std::vector<std::filesystem::path> eingaben;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path pfad(argv[i]);
        if (std::filesystem::is_regular_file(pfad)) {
            eingaben.push_back(pfad);
            continue;
        }
        if (!std::filesystem::is_directory(pfad))
            continue;
        std::vector<std::filesystem::path> ordner;
        for (const auto& eintrag : std::filesystem::directory_iterator(pfad))
            if (eintrag.is_regular_file() && eintrag.path().filename().string().front() != '.')
                ordner.push_back(eintrag.path());
        std::sort(ordner.begin(), ordner.end());
        eingaben.insert(eingaben.end(), ordner.begin(), ordner.end());
    }
    return eingaben;
}

} // namespace

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    const std::vector<std::filesystem::path> eingaben = Eingaben(argc, argv);
    for (const std::filesystem::path& pfad : eingaben) {
        std::ifstream datei(pfad, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(datei),
                                      std::istreambuf_iterator<char>()};
        std::printf("%s\n", pfad.c_str());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu Eingaben\n", eingaben.size());
    return eingaben.empty() ? 1 : 0;
}
