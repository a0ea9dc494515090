#include "ui/Unit3.h"

#include "ui/help_text.h"
#include "chart/design_fonts.h"
#include "ui/info_text_field.h"

#include <QPlainTextEdit>

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Помощь"));
    setFont(StandInFont(DesignFont::MsSansSerif, 11));
    resize(534, 373);
    move(188, 126);

    Memo1 = AddInfoTextField(this, StandInFont(DesignFont::MsSansSerif, 13), HelpText(), SelectionWhenUnfocused::Visible);
    Memo1->setLayoutDirection(Qt::LeftToRight);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}
