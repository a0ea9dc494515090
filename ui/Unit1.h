#pragma once

#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "chart/TChart.h"
#include "core/calibration_state.h"
#include "core/line_outcome.h"
#include "history/history_writer.h"
#include "ui/controls.h"
#include "ui/point_grid.h"
#include "ui/result_grid.h"
#include "ui/string_grid.h"
#include "ui/text_bridge.h"
#include "ui/window_layout.h"

class QAction;
class QFileDialog;
class QFrame;
class QMenu;
class QMenuBar;
class QPushButton;
class QToolButton;
class FocusTracking;

// The main window: every control, the calibration state and every command
// handler. Handlers are named after the control and event that run them; a
// run-time error (RunError) ends a handler and every handler that called it,
// and the window event that started them shows it in the error box.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // The decimal separator of the user's locale, read once at start.
    explicit TForm1(std::string decimalSeparator = SystemDecimalSeparator(), QWidget* parent = nullptr);
    ~TForm1() override;

    CalibrationState State;
    const std::string DecimalSeparator;

    // Layout.
    QMenuBar* MainMenu1;
    QMenu* N4;
    QAction *N1, *N5, *N7, *N3;
    QMenu* N10;
    QAction *N11, *N12, *N13, *N9;
    QAction *N6, *N2;
    QFrame* Panel1;
    QFrame* Panel4;
    QLabel* Panel2;
    QPushButton* CloseEdit;
    TMemo* Memo1;
    TChart* Chart1;
    QFrame* ToolBar1;
    // The toolbar's 16 x 16 pictures: 0 folder, 1 diskette, 2 calculator.
    QList<QIcon> ImageList1;
    QToolButton *ToolButton1, *ToolButton2, *ToolButton3;
    QWidget* ToolButton4;
    TLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    TEdit *Edit1, *Edit2, *Edit3;
    TStringGrid *StringGrid1, *StringGrid2, *StringGrid3;
    QPushButton *Raschet, *SaveChoice, *RschRz, *OpenDatFile;
    QToolButton *SpeedButton1, *SpeedButton2, *SpeedButton3;
    QPushButton* BitBtn1;
    // Made at their first use (Unit1_records.cpp).
    QFileDialog* OpenDialog1 = nullptr;
    QFileDialog* SaveDialog1 = nullptr;

    // Start-up, views, exit, the small windows.
    void FormActivate();
    void N11Click();
    void N12Click();
    void N3Click();
    void N2Click();
    void N6Click();

    // Settings and record list of the data file.
    void ReadSettings();
    void OpenDatFileClick();
    void StringGrid2SelectCell(int col, int row, bool& canSelect);
    void StringGrid2KeyDown(std::uint16_t& key, Qt::KeyboardModifiers shift);
    void LoadRecord(long long n);
    void SaveChoiceClick();
    void N1Click();
    void N5Click();

    // The data file editor.
    void N9Click();
    void Memo1Change();
    void Memo1KeyDown(std::uint16_t& key, Qt::KeyboardModifiers shift);
    void CloseEditClick();

    // The fit.
    void RaschetClick();
    void Edit1Exit();
    void ResetFitDisplay();
    void Chart1ClickSeries(TChartSeries* series, int valueIndex, Qt::MouseButton button,
                           Qt::KeyboardModifiers shift, QPoint position);

    // Data entry.
    void Edit1KeyDown(std::uint16_t& key, Qt::KeyboardModifiers shift);
    void Edit2KeyDown(std::uint16_t& key, Qt::KeyboardModifiers shift);
    void StringGrid1Enter();
    void StringGrid1SelectCell(int col, int row, bool& canSelect);
    void StringGrid1KeyDown(std::uint16_t& key, Qt::KeyboardModifiers shift);
    void StringGrid1DrawCell(int col, int row);

    // The result table.
    void RschRzClick();
    void Edit3Change();
    void StringGrid3KeyDown(std::uint16_t& key, Qt::KeyboardModifiers shift);
    void StringGrid3SelectCell(int col, int row, bool& canSelect);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void BitBtn1Click();
    void StringGrid3DrawCell(int col, int row);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateMenu();
    void CreateEditorPanel(QWidget* client);
    void CreateInputPanel(QWidget* client);
    void CreateToolBar();
    void CreateResultControls();
    void SetTabOrder();
    void ConnectHandlers();
    void ArrangeClient();
    void SetClientWidth(int width);
    void PlaceResultSide(int left);
    // Where a line to show comes from: the full fit redraws all three series
    // and gives Series3 the line's ends; a refit keeps Series3.
    enum class LineFrom { FullFit, Refit };
    // The chart's points and line, the deviation column, the equation and
    // the result table of a fit that found a line; a failure in the outcome
    // ends it after the points before it are shown.
    void ShowLine(const LineOutcome& line, LineFrom from);
    void ShowEquation(const std::string& equation);
    // The figures of the stored line in Label4's tool tip; none without a
    // line.
    void ShowLineStatistics();
    void ReformatDeviations();
    void UseChosenDataFile(const QString& path);
    bool SaveEditorText();
    void LeaveEditorPanel();

    // StringGrid1 and StringGrid3 by what their columns hold.
    PointGrid Points;
    ResultGrid Results;
    QWidget* client_;
    std::unique_ptr<FocusTracking> focus_;
    int panel1Width_ = WindowLayout::ExtendedPanelWidth;
    bool started_ = false;
    // The data file's bytes as the editor last read or wrote them (no value:
    // it could not be read), so that its save sees another program's change.
    std::optional<std::string> editorSeen_;
    // The history beside each data file the window changes.
    HistoryWriter history_{QStringLiteral("tolvazen")};
};

extern TForm1* Form1;
