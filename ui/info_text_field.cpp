#include "ui/info_text_field.h"

#include <QDialog>
#include <QPalette>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

const QColor clSilver(0xC0, 0xC0, 0xC0);

}

QPlainTextEdit* AddInfoTextField(QDialog* form, const QFont& font, const QString& text,
                                 SelectionWhenUnfocused selection)
{
    auto* field = new QPlainTextEdit(form);
    field->setObjectName(QStringLiteral("Memo1"));
    field->setReadOnly(true);
    field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    field->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, clSilver);
    palette.setColor(QPalette::Text, palette.color(QPalette::WindowText));
    if (selection == SelectionWhenUnfocused::Visible) {
        palette.setColor(QPalette::Inactive, QPalette::Highlight,
                         palette.color(QPalette::Active, QPalette::Highlight));
        palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                         palette.color(QPalette::Active, QPalette::HighlightedText));
    } else {
        palette.setColor(QPalette::Inactive, QPalette::Highlight, clSilver);
        palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                         palette.color(QPalette::WindowText));
    }
    field->setPalette(palette);
    field->setPlainText(text);
    // The font comes after the text: a font given to the empty field lays it
    // out at once, loading the font long before the window is first shown.
    field->setFont(font);

    auto* layout = new QVBoxLayout(form);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field);
    return field;
}
