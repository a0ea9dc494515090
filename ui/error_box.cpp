#include "ui/error_box.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/text_bridge.h"

namespace {

void ShowErrorBox(const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

}  // namespace

void ShowRunErrorBox(const RunError& error)
{
    ShowErrorBox(QGuiApplication::applicationDisplayName(), Qs(error.BoxText()));
}

void ShowProgramErrorBox(const QString& text)
{
    ShowErrorBox(QStringLiteral("Error"), text);
}

void RunWindowEvent(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const ProgramMessage& message) {
        ShowProgramErrorBox(Qs(message.what()));
    } catch (const RunError& error) {
        ShowRunErrorBox(error);
    }
}
