#include "ui_test_helpers.h"

#include <QTest>

#include "ui/Unit2.h"
#include "ui/Unit3.h"

ModalBoxCloser::ModalBoxCloser(QMessageBox::StandardButton answer) : ModalBoxCloser(std::vector{answer}) {}

ModalBoxCloser::ModalBoxCloser(std::vector<QMessageBox::StandardButton> answers)
{
    QObject::connect(&timer_, &QTimer::timeout, [this, answers] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        QWidget* owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            boxes_.push_back({box->windowTitle(), box->text(), box->icon()});
            box->done(answers[std::min(boxes_.size(), answers.size()) - 1]);
        } else {
            ++dialogs_;
            dialog->reject();
        }
        if (owner)
            owner->activateWindow();
    });
    timer_.start(5);
}

void MainWindowTest::Open(const std::string& decimalSeparator)
{
    form = std::make_unique<TForm1>(decimalSeparator);
    Form1 = form.get();
    Form2 = new TForm2(form.get());
    Form3 = new TForm3(form.get());
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    Settle();
}

void MainWindowTest::TearDown()
{
    form.reset();
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
}

namespace {

// The widget that has the focus, once an activation still on its way (after a
// closed modal window) has arrived.
QWidget* FocusTarget()
{
    for (int i = 0; i < 50 && !QApplication::focusWidget(); ++i)
        QTest::qWait(5);
    return QApplication::focusWidget();
}

}  // namespace

void MainWindowTest::Press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(FocusTarget(), key, modifiers);
}

void MainWindowTest::Type(const QString& text)
{
    for (const QChar c : text)
        QTest::keyClick(FocusTarget(), c.toLatin1());
}

void MainWindowTest::TypeEnter(const QString& text)
{
    Type(text);
    Press(Qt::Key_Return);
}

void MainWindowTest::Focus(QWidget* widget)
{
    widget->setFocus(Qt::MouseFocusReason);
}

void MainWindowTest::Settle()
{
    QTest::qWait(20);
}

void MainWindowTest::EnterPoints(const QString& tolerance, const std::vector<std::pair<QString, QString>>& points)
{
    Focus(form->Edit1);
    form->Edit1->selectAll();
    TypeEnter(QString::number(points.size()));
    Press(Qt::Key_Tab);
    form->Edit2->selectAll();
    Type(tolerance);
    Press(Qt::Key_Tab);
    for (const auto& [x, y] : points) {
        TypeEnter(x);
        TypeEnter(y);
    }
}

void MainWindowTest::EnterFourPointExample()
{
    EnterPoints("0.03", {{"1", "2"}, {"2", "4.1"}, {"3", "5.9"}, {"4", "8"}});
    ASSERT_EQ(Equation(), EquationCaption("Y=1.98*X+0.05"));
}

QString EquationCaption(const QString& equation)
{
    return QStringLiteral("Уравнение прямой:\n\r") + equation;
}
