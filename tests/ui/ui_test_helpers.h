#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ui/Unit1.h"

// Failure messages show texts, not bytes.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// What a closed modal box showed.
struct ClosedBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Closes every modal window that opens while it lives, without user input.
//
// How: a timer polls QApplication::activeModalWidget() every few
// milliseconds; a message box is recorded (caption, text, icon) and closed
// with the answer button (OK unless told), any other modal dialog (About,
// Help, file dialogs) is closed with reject(). The box's exec() then returns
// to the handler that opened it, so a test simply
// creates a ModalBoxCloser before the key press or click that opens boxes
// and looks at Boxes() afterwards. The offscreen platform does not hand the
// activation back to the owner window when a modal window closes, as a window
// manager does, so the closer activates the owner itself; Settle() then lets
// the activation (and the focus coming back) arrive.
class ModalBoxCloser {
public:
    // `answer` is the button a message box is closed with (a question box
    // takes QMessageBox::Yes, No or Cancel).
    explicit ModalBoxCloser(QMessageBox::StandardButton answer = QMessageBox::Ok);
    // The message boxes are closed with these buttons in turn, the last one
    // for every box after it.
    explicit ModalBoxCloser(std::vector<QMessageBox::StandardButton> answers);
    const std::vector<ClosedBox>& Boxes() const { return boxes_; }
    int DialogsClosed() const { return dialogs_; }

private:
    QTimer timer_;
    std::vector<ClosedBox> boxes_;
    int dialogs_ = 0;
};

// A shown, activated main window (with the About and Help windows), its
// start-up routine done, the focus on Edit1.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { Open("."); }
    void TearDown() override;
    void Open(const std::string& decimalSeparator);

    // Real key presses and typing, sent to the widget that has the focus.
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static void Type(const QString& text);
    // Types the text into the focused control and presses Enter.
    static void TypeEnter(const QString& text);
    // Gives the focus to a control as a mouse click would.
    static void Focus(QWidget* widget);
    // Lets the window paint (cell-drawing events) and handle posted events.
    static void Settle();

    // The point grid filled through the keyboard: count, tolerance, points.
    void EnterPoints(const QString& tolerance, const std::vector<std::pair<QString, QString>>& points);
    // The points (1; 2), (2; 4.1), (3; 5.9), (4; 8) with tolerance 0.03,
    // entered and fitted to Y=1.98*X+0.05.
    void EnterFourPointExample();

    QString Cell1(int col, int row) const { return form->StringGrid1->Cells(col, row); }
    QString Cell3(int col, int row) const { return form->StringGrid3->Cells(col, row); }
    QString Equation() const { return form->Label4->Caption(); }

    std::unique_ptr<TForm1> form;
};

// "Уравнение прямой:", LF, CR and the equation.
QString EquationCaption(const QString& equation);
