#include "ui/question_box.h"

#include <QApplication>

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
