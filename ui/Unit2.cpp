#include "ui/Unit2.h"

#include "ui/app_icon.h"
#include "chart/design_fonts.h"
#include "ui/info_text_field.h"

#include <QPlainTextEdit>
#include <QStringList>

TForm2* Form2 = nullptr;

namespace {

QString AboutText()
{
    return QStringList{
        QStringLiteral("Программа Толвазен."),
        QString(),
        QString(),
        QStringLiteral(" "),
        QString(),
        QString(),
        QString(),
        QStringLiteral("Вопросы и пожелания присылайте"),
        QStringLiteral("по адресу: tolvazen@example.org"),
    }.join(QLatin1Char('\n'));
}

}

TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("О программе"));
    setWindowIcon(AppIcon());
    setFont(StandInFont(DesignFont::MsSansSerif, 11));
    setFixedSize(322, 254);
    move(256, 129);

    Memo1 = AddInfoTextField(this, StandInFont(DesignFont::TimesNewRoman, 16), AboutText(), SelectionWhenUnfocused::Hidden);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}
