#include "ui/text_bridge.h"

#include <QLocale>

std::string SystemDecimalSeparator()
{
    return Std(QLocale::system().decimalPoint());
}
