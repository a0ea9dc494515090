// The data file's settings and record list, as far as the window needs them
// at start: the data file's name and the records it lists.
#include "ui/Unit1.h"

void TForm1::ReadSettings()
{
    Label5->SetCaption(QStringLiteral("Файл: ") + Qs(State.DataFileName));
}

void TForm1::OpenDatFileClick()
{
}
