// Keys around the data file editor and in the record list: the Tab cycle runs
// through the open editor, typing after it closed never reaches it, and typing
// in the record list loads nothing.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "data_folder.h"

namespace {

// Answers every message box that opens while it lives and counts them; unlike
// ModalBoxCloser it leaves the activation where closing the box puts it, as a
// desktop without a window manager does: no window is active then.
class BoxAnswerer {
public:
    explicit BoxAnswerer(QMessageBox::StandardButton answer)
    {
        QObject::connect(&poll_, &QTimer::timeout, [this, answer] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++boxes_;
                box->done(answer);
            }
        });
        poll_.start(5);
    }
    int Boxes() const { return boxes_; }

private:
    QTimer poll_;
    int boxes_ = 0;
};

class EditorKeysTest : public DataFolderTest {
protected:
    // Record 1 of the example loaded, then the editor opened from the menu.
    void LoadAndOpenEditor()
    {
        Start(ExampleRecord());
        ClickRecord(1);
        OpenEditor();
        ASSERT_TRUE(form->Memo1->hasFocus());
        form->Memo1->moveCursor(QTextCursor::End);
    }
    void PressAndSettle(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Press(key, modifiers);
        Settle();
    }
    QWidget* Focused() const { return QApplication::focusWidget(); }
};

// After a message box closes, a desktop without a window manager activates no
// window: keys still arrive for the main window and go to its focus widget.
TEST_F(EditorKeysTest, KeysTypedAfterTheEditorClosedNeverReachIt)
{
    for (const QMessageBox::StandardButton answer : {QMessageBox::Yes, QMessageBox::No}) {
        LoadAndOpenEditor();
        Type("1");
        BoxAnswerer answerer(answer);
        QTest::keyClick(form->windowHandle(), Qt::Key_Escape);
        Settle();
        ASSERT_EQ(answerer.Boxes(), 1);
        ASSERT_FALSE(form->Panel4->isVisible());
        const std::string saved = Read(QStringLiteral("lab.dat"));
        const QString equation = Equation();
        ASSERT_TRUE(equation.startsWith(EquationCaption("Y=")));

        QWidget* focus = form->focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_TRUE(focus->isVisible());
        EXPECT_FALSE(form->Panel4->isAncestorOf(focus));

        QTest::keyClick(form->windowHandle(), 'W');
        QTest::keyClick(form->windowHandle(), Qt::Key_Escape);
        Settle();
        EXPECT_EQ(answerer.Boxes(), 1) << "no question out of nowhere";
        EXPECT_EQ(form->State.EditorChanged, 0);
        EXPECT_FALSE(form->Memo1->toPlainText().endsWith("W"));
        EXPECT_EQ(Read(QStringLiteral("lab.dat")), saved);

        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        Settle();
        EXPECT_EQ(QApplication::focusWidget(), focus);
        EXPECT_EQ(Equation(), equation) << "the focus arrived where no handler runs";
        EXPECT_EQ(form->Chart1->Series1.Count(), 3);
    }
}

TEST_F(EditorKeysTest, ASavedTextIsNoLongerModifiedByTheUser)
{
    LoadAndOpenEditor();
    Type("1");
    ModalBoxCloser closer(QMessageBox::Yes);
    PressAndSettle(Qt::Key_Escape);
    ASSERT_EQ(Read(QStringLiteral("lab.dat")), ExampleRecord() + "1");
    EXPECT_FALSE(form->Memo1->document()->isModified());
}

TEST_F(EditorKeysTest, TabAndShiftTabMoveAlongTheCycleThroughTheOpenEditor)
{
    LoadAndOpenEditor();
    const QString text = form->Memo1->toPlainText();
    PressAndSettle(Qt::Key_Tab);
    EXPECT_EQ(Focused(), form->Edit1);
    Focus(form->StringGrid3);
    PressAndSettle(Qt::Key_Tab);
    EXPECT_EQ(Focused(), form->CloseEdit);
    PressAndSettle(Qt::Key_Tab);
    EXPECT_EQ(Focused(), form->Memo1);
    PressAndSettle(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), form->CloseEdit);
    PressAndSettle(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), form->StringGrid3);

    EXPECT_EQ(form->Memo1->toPlainText(), text) << "no tab character was typed";
    EXPECT_EQ(form->State.EditorChanged, 0);
    ModalBoxCloser closer;
    QTest::mouseClick(form->CloseEdit, Qt::LeftButton);
    Settle();
    EXPECT_TRUE(closer.Boxes().empty());
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), ExampleRecord());
}

TEST_F(EditorKeysTest, TypingInTheRecordListLoadsNothing)
{
    const std::string other = RecordBytes("0.07000000", {{"1.00000000", "2.00000000"}, {"2.00000000", "3.00000000"}}, {"5"});
    Start(ExampleRecord() + other + other);
    ClickRecord(1);
    ASSERT_EQ(form->Edit1->text(), "3");
    Focus(form->StringGrid2);
    for (const char* typed : {"0", "05", "1", "2", " ", "x"}) {
        Type(typed);
        Settle();
        EXPECT_EQ(form->StringGrid2->Row(), 1) << typed;
        EXPECT_EQ(form->State.SelectedRecord, 1);
        EXPECT_EQ(form->Edit2->text(), "0.05");
    }
    PressAndSettle(Qt::Key_Down);
    EXPECT_EQ(form->Edit2->text(), "0.07") << "the arrow keys still load";
}

}  // namespace
