#include "platform/umgebungsvariable.h"

#include <QtGlobal>

namespace {

std::optional<QByteArray> LiesVariable(const char* name)
{
    return qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
}

void SetzeVariable(const char* name, const std::optional<QByteArray>& wert)
{
    if (wert)
        qputenv(name, *wert);
    else
        qunsetenv(name);
}

} // namespace

CVariableAufZeit::CVariableAufZeit(const char* name, const std::optional<QByteArray>& wert)
    : m_name(name), m_vorher(LiesVariable(name))
{
    SetzeVariable(name, wert);
}

CVariableAufZeit::~CVariableAufZeit()
{
    SetzeVariable(m_name, m_vorher);
}
