// The data file's commands: its name from the settings file or a dialog, the
// record list, loading, deleting and appending a record.
#include <QFileDialog>
#include <QFileInfo>

#include "core/grid_digits.h"
#include "core/number_text.h"
#include "store/record_delete.h"
#include "store/record_list.h"
#include "store/record_reader.h"
#include "store/record_writer.h"
#include "store/settings_file.h"
#include "ui/Unit1.h"
#include "ui/error_box.h"
#include "ui/file_text.h"
#include "ui/record_clock.h"
#include "ui/save_refusal.h"
#include "ui/write_outcome.h"

namespace {

// The points switched out of the fit, each with its row in the point grid.
std::vector<ExcludedPoint> ExcludedPoints(const CalibrationState& s)
{
    std::vector<ExcludedPoint> points;
    for (int i = 1; i <= s.PointCount && i <= PointArray<char>::Size; ++i)
        if (s.PointExcluded[i] == 'y')
            points.push_back({i, s.PercentValues[i], s.MeasuredValues[i]});
    return points;
}

// The file dialog of the given kind, made at its first use: the icons of a
// file dialog take a good part of the window's start-up to load.
QFileDialog* DataFileDialog(QFileDialog*& dialog, QWidget* owner, QFileDialog::AcceptMode mode)
{
    if (dialog)
        return dialog;
    dialog = new QFileDialog(owner);
    dialog->setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen) {
        dialog->setWindowTitle(QStringLiteral("Открыть другой файл данных"));
        dialog->setFileMode(QFileDialog::AnyFile);
    } else {
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
    }
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    return dialog;
}

// Runs a file dialog offering the data files; the chosen path, or none when
// the dialog was cancelled.
std::optional<QString> ChooseDataFile(QFileDialog* dialog)
{
    dialog->setNameFilter(QStringLiteral("Файлы данных (*.dat)"));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().first();
}

// The numbers of a loaded record into the state, in the order they stand in
// the record. A count above 1000 stops the load at point 1001, the points
// before it stored.
void TakeRecordNumbers(CalibrationState& s, const RecordBody& body)
{
    s.Tolerance = body.tolerance;
    s.PointCount.SetLow(body.pointCount);
    for (std::size_t k = 0; k < body.x.size(); ++k) {
        s.PercentValues[static_cast<long long>(k) + 1] = body.x[k];
        s.MeasuredValues[static_cast<long long>(k) + 1] = body.y[k];
    }
    if (body.pointCount > static_cast<int>(body.x.size()))
        throw RunError::RangeCheck();
}

}  // namespace

// ReadSettings: the data file's name from the first line of the settings file.
void TForm1::ReadSettings()
{
    State.IniFileName = "tolvazen.ini";
    const SettingsLine line = DataFileNameFromSettings(State.IniFileName);
    const QString name = line.utf8 ? Qs(line.bytes) : FromFileBytes(line.bytes);
    Label5->SetCaption(QStringLiteral("Файл: ") + name);
    State.DataFileName = Std(name);
}

// ListRecords: the record list filled from the data file.
void TForm1::OpenDatFileClick()
{
    auto entries = std::make_shared<const RecordEntries>(ListRecordEntries(State.DataFileName));
    State.RecordCounter.SetLow(static_cast<long long>(entries->size()));
    // The rows' texts are made when they are shown, from the entries' block.
    StringGrid2->SetRowSource(static_cast<int>(entries->size()), [entries](int col, int row) {
        return col == 0 ? QString::number(row) : FromFileBytes(entries->Text(static_cast<std::size_t>(row)));
    });
    StringGrid2->SetRowCount(State.RecordCounter + 1);
}

void TForm1::StringGrid2SelectCell(int, int row, bool&)
{
    LoadRecord(row);
}

void TForm1::LoadRecord(long long n)
{
    State.SelectedRecord = n;
    const LoadedRecord record = ReadRecord(State.DataFileName, n);
    State.RecordCounter.SetLow(record.markers);
    if (record.found)
        TakeRecordNumbers(State, record.body);
    const std::vector<std::string>& readings = record.body.readings;
    for (std::size_t k = 0; k < readings.size(); ++k)
        Results.SetReading(static_cast<int>(k) + 1, FromFileBytes(readings[k]));
    Results.SetRowCount(record.body.ReadingRows());

    Edit1->SetText(QString::number(State.PointCount));
    State.ActiveCount = State.PointCount;
    Edit2->SetText(Qs(FormatGeneral(State.Tolerance, kGridDigits, DecimalSeparator)));
    Points.ShowPoints(State, DecimalSeparator);
    RaschetClick();
}

// DeleteRecord: Delete in the record list removes the selected record.
void TForm1::StringGrid2KeyDown(std::uint16_t& key, Qt::KeyboardModifiers)
{
    if (key != VK_DELETE)
        return;
    bool deleted = false;
    try {
        deleted = ListedWhenUnconfirmed(*this, [&] {
            return DeleteRecordLines(State.DataFileName, State.SelectedRecord, kDataFileLockWait, &history_);
        });
    } catch (const HistoryNotWritten& refused) {
        RefuseWithoutHistory("Запись не удалена", refused);
    }
    if (!deleted && QFileInfo::exists(Qs(State.DataFileName))) {
        OpenDatFileClick();
        throw ProgramMessage(Std(QStringLiteral("Запись %1 не удалена: файл данных %2 не удалось прочитать или "
                                                "переписать. Файл не изменен.")
                                     .arg(static_cast<long long>(State.SelectedRecord))
                                     .arg(Qs(State.DataFileName))));
    }
    OpenDatFileClick();
    LoadRecord(State.SelectedRecord);
}

// AppendRecord: the calculation appended to the data file as a new record.
void TForm1::SaveChoiceClick()
{
    RefuseWithoutDataFile(State.DataFileName);
    std::vector<std::string> readings;
    for (int r = 1; r <= Results.LastRow(); ++r)
        readings.push_back(FileBytesOrRefuse(Results.Reading(r)));
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    history_.SetAppendDetails(Label4->Caption(), ExcludedPoints(State));
    bool appended = false;
    try {
        appended = ListedWhenUnconfirmed(*this, [&] {
            return AppendRecord(State.DataFileName, State, readings, RecordDateText(now.date(), locale),
                                RecordTimeText(now.time(), locale), kDataFileLockWait, &history_);
        });
    } catch (const HistoryNotWritten& unwritten) {
        OpenDatFileClick();
        throw ProgramMessage("Запись сохранена в файле данных, но историю " + unwritten.HistoryFileName +
                             " записать не удалось");
    }
    if (!appended)
        throw RunError::CannotCreateFile(State.DataFileName);
    OpenDatFileClick();
}

void TForm1::UseChosenDataFile(const QString& path)
{
    State.DataFileName = Std(path);
    const QString name = QFileInfo(path).fileName();
    Label5->SetCaption(QStringLiteral("Файл ") + name);
}

// OpenOtherFile: another data file chosen in the open dialog.
void TForm1::N1Click()
{
    const std::optional<QString> path = ChooseDataFile(DataFileDialog(OpenDialog1, this, QFileDialog::AcceptOpen));
    if (!path)
        return;
    UseChosenDataFile(*path);
    OpenDatFileClick();
}

// SaveSelectionToFile: the calculation appended to a file chosen in the save
// dialog, which becomes the data file.
void TForm1::N5Click()
{
    const std::optional<QString> path = ChooseDataFile(DataFileDialog(SaveDialog1, this, QFileDialog::AcceptSave));
    if (!path)
        return;
    UseChosenDataFile(*path);
    try {
        SaveChoiceClick();
    } catch (const RunError&) {
        // The label names the chosen file: the list shows it too.
        OpenDatFileClick();
        throw;
    }
    OpenDatFileClick();
}
