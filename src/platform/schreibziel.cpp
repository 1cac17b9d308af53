#include "platform/schreibziel.h"

#include "platform/qtext.h"

#include <QFileInfo>
#include <system_error>

bool IstFreiOderRegulaer(const QString& pfad)
{
    const QFileInfo ziel(pfad);
    return !ziel.exists() || ziel.isFile();
}

bool IstDieselbeDatei(const QString& pfad, const std::filesystem::path& andere)
{
    std::error_code fehler;
    return !pfad.isEmpty() && !andere.empty() &&
           std::filesystem::equivalent(PfadAusQString(pfad), andere, fehler);
}
