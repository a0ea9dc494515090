#include <QApplication>
#include <csignal>

#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"

int main(int argc, char* argv[])
{
    // A write beyond the file size limit fails like a full disk, and the
    // command says so, rather than ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
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
