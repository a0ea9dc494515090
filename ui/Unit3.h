#pragma once

#include <QDialog>

// The Help window, shown modally from the main menu.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
};

extern TForm3* Form3;
