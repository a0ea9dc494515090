#pragma once

#include <QDialog>

// The About window, shown modally from the main menu.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};

extern TForm2* Form2;
