#include "ui/file_text.h"

#include "store/code_page.h"
#include "ui/text_bridge.h"

QString FromFileBytes(const std::string& bytes)
{
    return Qs(Cp1251ToUtf8(bytes));
}

std::optional<std::string> ToFileBytes(const QString& text, QString* unencodable)
{
    Cp1251Encoding encoding = Utf8ToCp1251(Std(text));
    if (encoding.unencodable) {
        if (unencodable)
            *unencodable = Qs(*encoding.unencodable);
        return std::nullopt;
    }
    return std::move(encoding.bytes);
}
