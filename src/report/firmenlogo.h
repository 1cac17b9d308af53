#pragma once
// Finding and loading the company logo file in the program folder.

#include <string>

class CDib;

// Path of the logo file in the folder: the first numbered "axo????.sys" other than "axo.sys",
// else "axo.sys" (which need not exist).
std::string FindeLogoDatei(const std::string& ordner);

// Loads the logo of the program folder into the bitmap; false when no bitmap was loaded.
bool LadeFirmenlogo(CDib& logo);
