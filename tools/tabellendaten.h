#pragma once
// Table data in group 4 of the special data text: fields, sub-values and tick rows.

#include <string>
#include <vector>

namespace muster {

std::string Verbunden(const std::vector<std::string>& texte, const std::string& trenner);
std::string Unterwerte(const std::vector<std::string>& werte);
std::string Felder(const std::vector<std::string>& felder);
std::vector<std::string> Teile(const std::string& text, char trenner);
std::string Zahlen(const std::vector<double>& werte, int stellen);
std::vector<double> Gedruckt(const std::vector<double>& werte, int stellen);
std::string Striche(double von, double bis, double schritt, int stellen);

} // namespace muster
