#pragma once

#include <QString>
#include <string>
#include <string_view>

// The one place where the window's texts meet the calculation's: the core
// works on UTF-8 std::string, the window on QString.
inline std::string Std(const QString& text)
{
    return text.toStdString();
}

inline QString Qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The decimal separator of the user's locale, as UTF-8.
std::string SystemDecimalSeparator();
