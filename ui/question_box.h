#pragma once

#include <QMessageBox>

// The program's one question: "Сохранить изменения?" without an icon, the
// application's title as caption, the buttons Yes, No and Cancel. A box
// closed without a choice answers Cancel.
QMessageBox::StandardButton AskSaveChanges();
