#pragma once

#include <QString>
#include <optional>
#include <string>

// The data file holds Windows-1251 bytes; the window shows Unicode. These two
// are the only conversions between them.
QString FromFileBytes(const std::string& bytes);

// The Windows-1251 bytes of a text. A character the code page has no byte for
// is not written as something else: no value then, and `unencodable` (when
// given) receives that character.
std::optional<std::string> ToFileBytes(const QString& text, QString* unencodable = nullptr);
