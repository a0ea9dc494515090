#include "ui/app_icon.h"

#include <QPixmap>

QIcon AppIcon()
{
    return QIcon(QPixmap(QStringLiteral(":/icons/tolvazen.xpm")));
}
