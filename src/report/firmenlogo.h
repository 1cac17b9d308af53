#pragma once
// Finding and loading the company logo file in the program folder.

#include <filesystem>

class CDib;

// Path of the logo file in the folder: the first numbered "axo????.sys" other than "axo.sys",
// else "axo.sys" (which need not exist).
std::filesystem::path FindeLogoDatei(const std::filesystem::path& ordner);

// Loads the logo of the program folder into the bitmap; false when no bitmap was loaded.
bool LadeFirmenlogo(CDib& logo);
