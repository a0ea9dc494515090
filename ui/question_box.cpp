#include "ui/question_box.h"

#include <QApplication>

namespace {

QString Size(const std::string& bytes)
{
    return QStringLiteral("%1 байт").arg(bytes.size());
}

// What happened to the file, in the user's words.
QString ChangeText(const std::optional<std::string>& before, const std::optional<std::string>& after)
{
    if (!after)
        return QStringLiteral("файл удален или недоступен для чтения");
    if (!before)
        return QStringLiteral("файл создан, в нем %1").arg(Size(*after));
    if (before->size() == after->size())
        return QStringLiteral("размер прежний (%1), но содержимое другое").arg(Size(*after));
    return QStringLiteral("размер был %1, стал %2").arg(Size(*before), Size(*after));
}

}  // namespace

QMessageBox::StandardButton AskSaveChanges()
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                    QStringLiteral("Сохранить изменения?"), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    QApplication::activeWindow());
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    return answer == QMessageBox::Yes || answer == QMessageBox::No ? static_cast<QMessageBox::StandardButton>(answer)
                                                                    : QMessageBox::Cancel;
}

bool AskOverwriteChangedFile(const QString& fileName, const std::optional<std::string>& before,
                             const std::optional<std::string>& after)
{
    const QString text = QStringLiteral("Файл данных %1 изменен другой программой после того, как редактор его "
                                        "открыл: %2.\nЗаписать текст редактора поверх? Изменения другой программы "
                                        "будут потеряны.")
                             .arg(fileName, ChangeText(before, after));
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
