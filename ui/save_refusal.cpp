#include "ui/save_refusal.h"

#include <QList>
#include <optional>

#include "ui/error_box.h"
#include "ui/file_text.h"
#include "ui/text_bridge.h"

std::string FileBytesOrRefuse(const QString& text)
{
    QString character;
    std::optional<std::string> bytes = ToFileBytes(text, &character);
    if (bytes)
        return std::move(*bytes);
    const QList<uint> codePoints = character.toUcs4();
    const QString number =
        codePoints.isEmpty() ? QString() : QString::number(codePoints.first(), 16).toUpper().rightJustified(4, u'0');
    throw ProgramMessage(Std(QStringLiteral("Символ «%1» (U+%2) нельзя записать в файл данных: в кодировке "
                                            "Windows-1251 его нет. Ничего не сохранено.")
                                 .arg(character, number)));
}

void RefuseWithoutDataFile(const std::string& dataFileName)
{
    if (!dataFileName.empty())
        return;
    throw ProgramMessage("Файл данных не задан, ничего не сохранено. Выберите файл командой «Файл» > «Сохранить "
                         "выборку в файле» или впишите его имя в первую строку файла настроек tolvazen.ini.");
}

void RefuseWithoutHistory(const std::string& notDone, const HistoryNotWritten& refused)
{
    throw ProgramMessage(notDone + ": историю " + refused.HistoryFileName +
                         " записать нельзя (она только для чтения, занята или диск полон). Файл данных не изменен.");
}
