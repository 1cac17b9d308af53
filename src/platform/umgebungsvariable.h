#pragma once
// A variable of the process environment, set or removed for the lifetime of an object.

#include <QByteArray>
#include <optional>

class CVariableAufZeit
{
public:
    // `wert` nullopt removes the variable; the destructor puts back what was there before.
    CVariableAufZeit(const char* name, const std::optional<QByteArray>& wert);
    ~CVariableAufZeit();
    CVariableAufZeit(const CVariableAufZeit&) = delete;
    CVariableAufZeit& operator=(const CVariableAufZeit&) = delete;

private:
    const char* m_name;
    std::optional<QByteArray> m_vorher;
};
