// Table data in group 4 of the special data text: fields, sub-values and tick rows.

#include "tabellendaten.h"

#include "data/textfunktionen.h"
#include "musterwerte.h"
#include "platform/text.h"

#include <cmath>

namespace muster {

// The texts joined by the separator.
std::string Verbunden(const std::vector<std::string>& texte, const std::string& trenner)
{
    std::string verbunden;
    for (size_t i = 0; i < texte.size(); ++i)
        verbunden += (i ? trenner : "") + texte[i];
    return verbunden;
}

// Values of one field, one "@" sub-value per sample or partial test.
std::string Unterwerte(const std::vector<std::string>& werte)
{
    return Verbunden(werte, "@");
}

// The fields of a group.
std::string Felder(const std::vector<std::string>& felder)
{
    return Verbunden(felder, "|");
}

// The parts of a text at the separator; an empty text has one empty part.
std::vector<std::string> Teile(const std::string& text, char trenner)
{
    std::vector<std::string> teile;
    for (int i = 0; i < StringZaehleFelderZeichen(text, trenner); ++i)
        teile.push_back(StringHoleFeld(text, trenner, i));
    return teile;
}

std::string Zahlen(const std::vector<double>& werte, int stellen)
{
    std::vector<std::string> texte;
    for (double w : werte)
        texte.push_back(Text(w, stellen));
    return Unterwerte(texte);
}

// The values as printed with that many decimals.
std::vector<double> Gedruckt(const std::vector<double>& werte, int stellen)
{
    std::vector<double> gedruckt;
    for (double w : werte)
        gedruckt.push_back(Gerundet(w, stellen));
    return gedruckt;
}

// Tick values from the multiple of `schritt` below `von` to the one above `bis`.
std::string Striche(double von, double bis, double schritt, int stellen)
{
    std::vector<double> werte;
    for (double w = std::floor(von / schritt) * schritt; w < bis + schritt * 0.999; w += schritt)
        werte.push_back(w);
    return Zahlen(werte, stellen);
}

} // namespace muster
