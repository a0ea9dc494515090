#include "ui/Unit1.h"

#include <QEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

#include "ui/error_box.h"
#include "ui/focus_tracking.h"
#include "ui/window_layout.h"

TForm1* Form1 = nullptr;

namespace {

// Runs a handler for a window event of a control.
template <typename Handler>
auto WindowEvent(Handler handler)
{
    return [handler] { RunWindowEvent(handler); };
}

}  // namespace

TForm1::TForm1(std::string decimalSeparator, QWidget* parent)
    : QMainWindow(parent), DecimalSeparator(std::move(decimalSeparator))
{
    CreateControls();
    client_->installEventFilter(this);
    ConnectHandlers();

    move(188, 102);
    resize(WindowLayout::ExtendedClientWidth, MainMenu1->sizeHint().height() + WindowLayout::ClientHeight);
    Edit1->setFocus();
    focus_ = std::make_unique<FocusTracking>(client_, Edit1);
}

// The focus tracking ends before the base destructor takes the focus from the
// controls it destroys.
TForm1::~TForm1() = default;

// Which event of which control runs which handler. Key down, enter and exit
// come from the controls (WindowControl), the grids' cell events from the
// grids, the rest from Qt's signals.
void TForm1::ConnectHandlers()
{
    connect(N3, &QAction::triggered, this, WindowEvent([this] { N3Click(); }));
    connect(N11, &QAction::triggered, this, WindowEvent([this] { N11Click(); }));
    connect(N12, &QAction::triggered, this, WindowEvent([this] { N12Click(); }));
    connect(N6, &QAction::triggered, this, WindowEvent([this] { N6Click(); }));
    connect(N2, &QAction::triggered, this, WindowEvent([this] { N2Click(); }));
    connect(N1, &QAction::triggered, this, WindowEvent([this] { N1Click(); }));
    connect(N5, &QAction::triggered, this, WindowEvent([this] { N5Click(); }));
    connect(N9, &QAction::triggered, this, WindowEvent([this] { N9Click(); }));
    connect(ToolButton1, &QToolButton::clicked, this, WindowEvent([this] { N1Click(); }));
    connect(ToolButton2, &QToolButton::clicked, this, WindowEvent([this] { SaveChoiceClick(); }));
    connect(ToolButton3, &QToolButton::clicked, this, WindowEvent([this] { RaschetClick(); }));
    connect(Raschet, &QPushButton::clicked, this, WindowEvent([this] { RaschetClick(); }));
    connect(SaveChoice, &QPushButton::clicked, this, WindowEvent([this] { SaveChoiceClick(); }));
    connect(RschRz, &QPushButton::clicked, this, WindowEvent([this] { RschRzClick(); }));
    connect(OpenDatFile, &QPushButton::clicked, this, WindowEvent([this] { OpenDatFileClick(); }));
    connect(CloseEdit, &QPushButton::clicked, this, WindowEvent([this] { CloseEditClick(); }));
    connect(SpeedButton1, &QToolButton::clicked, this, WindowEvent([this] { SpeedButton1Click(); }));
    connect(SpeedButton2, &QToolButton::clicked, this, WindowEvent([this] { SpeedButton2Click(); }));
    connect(SpeedButton3, &QToolButton::clicked, this, WindowEvent([this] { SpeedButton3Click(); }));
    connect(BitBtn1, &QPushButton::clicked, this, WindowEvent([this] { BitBtn1Click(); }));
    connect(Chart1, &TChart::ClickSeries, this,
            [this](TChartSeries* series, int index, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                   QPoint position) {
                RunWindowEvent([&] { Chart1ClickSeries(series, index, button, shift, position); });
            });
    connect(Memo1, &QPlainTextEdit::textChanged, this, WindowEvent([this] { Memo1Change(); }));

    Edit1->OnKeyDown = [this](std::uint16_t& key, Qt::KeyboardModifiers shift) { Edit1KeyDown(key, shift); };
    Edit1->OnExit = [this] { Edit1Exit(); };
    Edit2->OnKeyDown = [this](std::uint16_t& key, Qt::KeyboardModifiers shift) { Edit2KeyDown(key, shift); };
    Edit3->OnChange = [this] { Edit3Change(); };
    StringGrid1->OnEnter = [this] { StringGrid1Enter(); };
    StringGrid1->OnKeyDown = [this](std::uint16_t& key, Qt::KeyboardModifiers shift) {
        StringGrid1KeyDown(key, shift);
    };
    StringGrid1->OnSelectCell = [this](int col, int row, bool& canSelect) { StringGrid1SelectCell(col, row, canSelect); };
    StringGrid1->OnDrawCell = [this](int col, int row) { StringGrid1DrawCell(col, row); };
    StringGrid2->OnKeyDown = [this](std::uint16_t& key, Qt::KeyboardModifiers shift) {
        StringGrid2KeyDown(key, shift);
    };
    StringGrid2->OnSelectCell = [this](int col, int row, bool& canSelect) { StringGrid2SelectCell(col, row, canSelect); };
    StringGrid3->OnKeyDown = [this](std::uint16_t& key, Qt::KeyboardModifiers shift) {
        StringGrid3KeyDown(key, shift);
    };
    StringGrid3->OnSelectCell = [this](int col, int row, bool& canSelect) { StringGrid3SelectCell(col, row, canSelect); };
    StringGrid3->OnDrawCell = [this](int col, int row) { StringGrid3DrawCell(col, row); };
    Memo1->OnKeyDown = [this](std::uint16_t& key, Qt::KeyboardModifiers shift) { Memo1KeyDown(key, shift); };
}

bool TForm1::event(QEvent* event)
{
    const bool done = QMainWindow::event(event);
    // The start-up routine runs once, at the first showing, whether or not the
    // window manager activates the window; later showings and activations
    // (after a modal box, a dialog or another application) do not run it.
    if (event->type() == QEvent::Show && !started_) {
        started_ = true;
        RunWindowEvent([this] { FormActivate(); });
    }
    return done;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == client_ && event->type() == QEvent::Resize)
        ArrangeClient();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::SetClientWidth(int width)
{
    resize(width, height());
}
