// The menu bar, its menus and the modal windows take the keyboard for a while
// without counting as a control the focus left or entered; the start-up
// routine runs once at the first showing; the closing window runs nothing.
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui_test_helpers.h"

namespace {

class KeysAndFocusTest : public MainWindowTest {
protected:
    // The fitted line stands: equation and chart.
    void ExpectFitShown()
    {
        EXPECT_EQ(Equation(), EquationCaption("Y=1.98*X+0.05"));
        EXPECT_EQ(form->Chart1->Series1.Count(), 4);
    }
    // A press on a top-level menu of the menu bar, as the mouse does it.
    void ClickMenu(QMenu* menu)
    {
        const QRect item = form->MainMenu1->actionGeometry(menu->menuAction());
        QTest::mouseClick(form->MainMenu1, Qt::LeftButton, {}, item.center());
        Settle();
    }
    // A key press where the keyboard is: the open menu, else the focus.
    static void PressWhereTheKeyboardIs(Qt::Key key)
    {
        QWidget* popup = QApplication::activePopupWidget();
        if (popup)
            QTest::keyClick(popup, key);
        else
            Press(key);
        Settle();
    }
};

TEST_F(KeysAndFocusTest, AltThenEscInThePointGridKeepsTheFit)
{
    EnterFourPointExample();
    ASSERT_EQ(QApplication::focusWidget(), form->StringGrid1);
    Press(Qt::Key_Alt);
    Settle();
    Press(Qt::Key_Escape);
    Settle();
    ExpectFitShown();
    EXPECT_EQ(QApplication::focusWidget(), form->StringGrid1);
}

TEST_F(KeysAndFocusTest, AMenuOpenedWithTheMouseAndLeftWithEscKeepsTheFit)
{
    EnterFourPointExample();
    for (QMenu* menu : {form->N4, form->N10}) {
        ClickMenu(menu);
        ASSERT_TRUE(menu->isVisible());
        PressWhereTheKeyboardIs(Qt::Key_Escape);
        PressWhereTheKeyboardIs(Qt::Key_Escape);
        EXPECT_FALSE(menu->isVisible());
        ExpectFitShown();
    }
    Press(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), form->StringGrid1) << "the keys reach the grid again";
}

TEST_F(KeysAndFocusTest, AltInTheCountFieldDoesNotLeaveIt)
{
    form->Edit1->SetText("x");
    ModalBoxCloser closer;
    Press(Qt::Key_Alt);
    Settle();
    Press(Qt::Key_Escape);
    Settle();
    EXPECT_TRUE(closer.Boxes().empty()) << "no count was applied";
    EXPECT_EQ(QApplication::focusWidget(), form->Edit1);
    EXPECT_EQ(form->Edit1->text(), "x");

    Press(Qt::Key_Tab);
    Settle();
    ASSERT_EQ(closer.Boxes().size(), 1u) << "leaving the field still applies the count";
    EXPECT_EQ(closer.Boxes()[0].text, "'x' is not a valid integer value.");
}

TEST_F(KeysAndFocusTest, ModalWindowsDoNotCountAsLeavingTheGrid)
{
    EnterFourPointExample();
    ModalBoxCloser closer;
    form->N2->trigger();
    form->N6->trigger();
    Settle();
    EXPECT_EQ(closer.DialogsClosed(), 2);
    EXPECT_EQ(QApplication::focusWidget(), form->StringGrid1);
    ExpectFitShown();
}

TEST_F(KeysAndFocusTest, TheClosingWindowRunsNothingOfItself)
{
    form->Edit1->SetText("x");
    ASSERT_EQ(QApplication::focusWidget(), form->Edit1);
    ModalBoxCloser closer;
    form.reset();
    EXPECT_TRUE(closer.Boxes().empty()) << "the focus leaving the count field applied no count";
}

// A window shown where nothing activates it, as under a window manager that
// keeps new windows from taking the focus.
class StartWithoutActivationTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        window.reset();
        Form1 = nullptr;
        Form2 = nullptr;
        Form3 = nullptr;
    }
    // Creates the window; its activations never arrive.
    void Create()
    {
        window = std::make_unique<TForm1>(".");
        Form1 = window.get();
        Form2 = new TForm2(window.get());
        Form3 = new TForm3(window.get());
        window->installEventFilter(&noActivation_);
    }
    std::unique_ptr<TForm1> window;
    struct NoActivation : QObject {
        bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::WindowActivate; }
    } noActivation_;
};

TEST_F(StartWithoutActivationTest, TheFirstShowingRunsTheStartUpOnce)
{
    Create();
    EXPECT_EQ(window->StringGrid1->Cells(1, 0), "") << "nothing runs while the window is created";
    window->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->StringGrid1->Cells(1, 0), "%:");
    EXPECT_EQ(window->StringGrid2->Cells(1, 0), "Дата, время:");
    EXPECT_EQ(window->StringGrid1->Cells(1, 1), "0");
    EXPECT_EQ(window->pos(), QPoint(69, 106));

    window->StringGrid1->SetCells(1, 1, "7");
    window->State.ResultDecimals = 6;
    window->move(200, 200);
    window->removeEventFilter(&noActivation_);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->hide();
    window->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->StringGrid1->Cells(1, 1), "7") << "neither the activation nor a second showing runs it again";
    EXPECT_EQ(window->State.ResultDecimals, 6);
}

}  // namespace
