#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Compact JSON text made without a QJsonDocument, byte for byte as the
// document writes it: an object's members in the order of their keys,
// strings in UTF-8 with `"`, `\` and the control characters escaped. An
// append's event is written this way. No value for a text with a lone
// surrogate or a number that is not finite, which the document writes in
// a way of its own.
namespace json_text {

std::optional<std::string> String(const QString& text);
// The same of a text already in UTF-8, valid by its making (a conversion
// that gives every byte a character).
std::string Utf8String(std::string_view utf8);
std::string Integer(long long value);
std::optional<std::string> Double(double value);
// The members' keys are plain ASCII; each value is JSON text already.
std::string Object(std::vector<std::pair<std::string_view, std::string>> members);
std::string Array(const std::vector<std::string>& items);

}  // namespace json_text
