#include "ui/Unit3.h"

#include "ui/help_text.h"
#include "ui/info_text_field.h"

#include <QPlainTextEdit>

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Помощь"));
    setFont(SansFont(11));
    resize(534, 373);
    move(188, 126);

    Memo1 = AddInfoTextField(this, SansFont(13), HelpText(), SelectionWhenUnfocused::Visible);
    Memo1->setLayoutDirection(Qt::LeftToRight);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}
