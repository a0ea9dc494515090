#pragma once

#include <QDialog>

class QPlainTextEdit;

// The About window, shown modally from the main menu. It lives as long as the
// process, so its text field keeps scroll position and selection between showings.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1;
};

extern TForm2* Form2;
