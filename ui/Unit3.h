#pragma once

#include <QDialog>

class QPlainTextEdit;

// The Help window with the user instructions, shown modally from the main menu.
// It lives as long as the process, so its text field keeps scroll position and
// selection between showings.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1;
};

extern TForm3* Form3;
