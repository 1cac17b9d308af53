#include "platform/qtext.h"

#include "platform/cp1252.h"

#include <QFile>

QString AusCp1252(std::string_view text)
{
    return QString::fromStdU16String(Utf16AusCp1252(text));
}

std::string NachCp1252(const QString& text)
{
    return Cp1252AusUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                              static_cast<size_t>(text.size())));
}

QString PfadAlsQString(const std::filesystem::path& pfad)
{
    return QFile::decodeName(QByteArray::fromStdString(pfad.native()));
}

std::filesystem::path PfadAusQString(const QString& pfad)
{
    return QFile::encodeName(pfad).toStdString();
}
