// The data file editor: a panel in place of the chart that shows the whole
// data file as text and writes it back on request.
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextDocument>

#include "store/edited_file.h"
#include "store/whole_file.h"
#include "ui/Unit1.h"
#include "ui/file_text.h"
#include "ui/question_box.h"
#include "ui/save_refusal.h"
#include "ui/write_outcome.h"

namespace {

// The file's text with every line end (CR LF, a lone CR, a lone LF) as one
// line break of the text area.
QString EditorText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// The text as it stands, character for character (no-break spaces, line
// separators and all); only the break between two lines becomes CR LF.
QString FileText(const QTextDocument& document)
{
    QString text = document.toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return text;
}

}  // namespace

// OpenEditor: the panel in place of the chart, with the data file's text.
void TForm1::N9Click()
{
    Panel4->show();
    Chart1->hide();
    editorSeen_ = ReadWholeFile(State.DataFileName);
    if (!editorSeen_)
        throw RunError::CannotOpenFile(State.DataFileName);
    {
        const QSignalBlocker quiet(Memo1);
        Memo1->setPlainText(EditorText(FromFileBytes(*editorSeen_)));
    }
    Memo1->document()->setModified(false);
    Memo1->setFocus();
}

// NoteEdit: a change the user made to the text.
void TForm1::Memo1Change()
{
    if (Memo1->document()->isModified())
        State.EditorChanged = 1;
}

void TForm1::Memo1KeyDown(std::uint16_t& key, Qt::KeyboardModifiers)
{
    if (key == VK_ESCAPE)
        CloseEditClick();
}

// CloseEditor: asks before dropping changes, then shows the chart again.
void TForm1::CloseEditClick()
{
    if (State.EditorChanged == 1) {
        const QMessageBox::StandardButton answer = AskSaveChanges();
        if (answer == QMessageBox::Cancel)
            return;
        if (answer == QMessageBox::Yes && !SaveEditorText())
            return;
    }
    State.EditorChanged = 0;
    Chart1->show();
    LeaveEditorPanel();
    Panel4->hide();
}

// The focus leaves the panel for the count field, where its arrival runs no
// handler. This holds also while the window is not active (a question box has
// just closed): keys that still arrive for the window go to the field, never
// to the hidden text.
void TForm1::LeaveEditorPanel()
{
    if (Panel4->isAncestorOf(focusWidget()))
        Edit1->setFocus(Qt::OtherFocusReason);
}

// False when the user chose to keep the editor open rather than write over a
// file another program changed.
bool TForm1::SaveEditorText()
{
    RefuseWithoutDataFile(State.DataFileName);
    const std::string bytes = FileBytesOrRefuse(FileText(*Memo1->document()));
    for (;;) {
        EditedFileSave save;
        try {
            save = ListedWhenUnconfirmed(*this, [&] {
                return SaveEditedFile(State.DataFileName, editorSeen_, bytes, kDataFileLockWait, &history_);
            });
        } catch (const HistoryNotWritten& refused) {
            RefuseWithoutHistory("Файл не сохранен", refused);
        }
        if (save.status == EditedFileSave::Status::Failed)
            throw RunError::CannotCreateFile(State.DataFileName);
        if (save.status == EditedFileSave::Status::Saved)
            break;
        if (!AskOverwriteChangedFile(Qs(State.DataFileName), editorSeen_, save.current))
            return false;
        editorSeen_ = std::move(save.current);
    }
    editorSeen_ = bytes;
    State.EditorChanged = 0;
    Memo1->document()->setModified(false);
    OpenDatFileClick();
    if (State.SelectedRecord == 0)
        State.SelectedRecord = 1;
    LoadRecord(State.SelectedRecord);
    return true;
}
