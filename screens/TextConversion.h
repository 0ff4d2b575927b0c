// Names in the save file are 8-bit Latin-1 text; the screens show QStrings.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <string>

inline QString toQt(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<int>(s.size())); }
inline std::string fromQt(const QString& s)
{
    const QByteArray b = s.toLatin1();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}
