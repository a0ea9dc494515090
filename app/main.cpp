#include <QApplication>

#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    Form1 = new TForm1();
    Form2 = new TForm2(Form1);
    Form3 = new TForm3(Form1);
    Form1->show();
    Form1->activateWindow();
    const int code = application.exec();
    delete Form1;
    return code;
}
