#include "ui/controls.h"

#include <QScopedValueRollback>

#include "ui/error_box.h"

TEdit::TEdit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!settingText_ && OnChange)
            RunWindowEvent(OnChange);
    });
}

void TEdit::SetText(const QString& text)
{
    if (text == this->text())
        return;
    {
        QScopedValueRollback<bool> setting(settingText_, true);
        QLineEdit::setText(text);
    }
    if (OnChange)
        OnChange();
}

void TEdit::keyPressEvent(QKeyEvent* event)
{
    KeyDown(*event);
    QLineEdit::keyPressEvent(event);
}

void TMemo::keyPressEvent(QKeyEvent* event)
{
    KeyDown(*event);
    QPlainTextEdit::keyPressEvent(event);
}

TLabel::TLabel(const QString& caption, QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    SetCaption(caption);
}

void TLabel::SetCaption(const QString& caption)
{
    caption_ = caption;
    QString shown = caption;
    shown.remove(QLatin1Char('\r'));
    setText(shown);
    adjustSize();
}
