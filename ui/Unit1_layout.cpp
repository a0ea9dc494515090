// The main window's controls, their places, texts, fonts and tab order.
#include <QFrame>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

#include "chart/design_fonts.h"
#include "ui/Unit1.h"
#include "ui/app_icon.h"
#include "ui/pictures.h"
#include "ui/window_layout.h"

using namespace WindowLayout;

namespace {

// The window's font: 8 point at 96 dpi, a character height of 11 pixels.
QFont WindowFont(int pixelSize = 11, bool bold = false)
{
    return StandInFont(DesignFont::MsSansSerif, pixelSize, bold);
}

QPushButton* HiddenButton(const QString& caption, QRect geometry, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::NoFocus);
    button->hide();
    return button;
}

QToolButton* PictureButton(const QIcon& picture, QRect geometry, QWidget* parent, bool flat)
{
    auto* button = new QToolButton(parent);
    button->setIcon(picture);
    button->setGeometry(geometry);
    button->setIconSize(geometry.size() - QSize(4, 4));
    button->setAutoRaise(flat);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

TEdit* EditField(const QString& text, QRect geometry, QWidget* parent)
{
    auto* edit = new TEdit(parent);
    edit->SetText(text);
    edit->setGeometry(geometry);
    return edit;
}

TLabel* LabelAt(const QString& caption, QPoint position, QWidget* parent)
{
    auto* label = new TLabel(caption, parent);
    label->move(position);
    return label;
}

}  // namespace

void TForm1::CreateControls()
{
    setWindowTitle(QStringLiteral("Толвазен - версия 5.42"));
    setWindowIcon(AppIcon());
    setFont(WindowFont());
    CreateMenu();
    client_ = new QWidget(this);
    setCentralWidget(client_);
    CreateInputPanel(client_);
    CreateEditorPanel(client_);
    SetTabOrder();
}

void TForm1::CreateMenu()
{
    MainMenu1 = menuBar();
    N4 = MainMenu1->addMenu(QStringLiteral("Файл"));
    N1 = N4->addAction(QStringLiteral("Открыть файл данных"));
    N5 = N4->addAction(QStringLiteral("Сохранить выборку в файле"));
    N7 = N4->addSeparator();
    N3 = N4->addAction(QStringLiteral("Выход"));
    N10 = MainMenu1->addMenu(QStringLiteral("Вид"));
    N11 = N10->addAction(QStringLiteral("Сокращенный"));
    N12 = N10->addAction(QStringLiteral("Расширенный"));
    N13 = N10->addSeparator();
    N9 = N10->addAction(QStringLiteral("Редактор"));
    N6 = MainMenu1->addAction(QStringLiteral("Помощь"));
    N2 = MainMenu1->addAction(QStringLiteral("О программе"));
}

void TForm1::CreateEditorPanel(QWidget* client)
{
    Panel4 = new QFrame(client);
    Panel4->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel4->hide();

    Panel2 = new QLabel(QStringLiteral("Редактор файла данных"), Panel4);
    Panel2->setFont(WindowFont(12, true));
    Panel2->setAlignment(Qt::AlignCenter);
    Panel2->setAutoFillBackground(true);
    QPalette caption = Panel2->palette();
    caption.setColor(QPalette::Window, caption.color(QPalette::Active, QPalette::Highlight));
    caption.setColor(QPalette::WindowText, caption.color(QPalette::Active, QPalette::Base));
    Panel2->setPalette(caption);

    CloseEdit = new QPushButton(QStringLiteral("X"), Panel2);
    CloseEdit->setFont(WindowFont(15, true));
    QPalette lime = CloseEdit->palette();
    lime.setColor(QPalette::ButtonText, QColor(0, 255, 0));
    CloseEdit->setPalette(lime);

    Memo1 = new TMemo(QStringLiteral("Memo1"), Panel4);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab and Shift+Tab move along the window's Tab cycle; no tab is typed.
    Memo1->setTabChangesFocus(true);

    Chart1 = new TChart(client);
    Chart1->setObjectName(QStringLiteral("Chart1"));
}

void TForm1::CreateToolBar()
{
    ToolBar1 = new QFrame(Panel1);
    ToolBar1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ToolBar1->setGeometry(1, 1, 81, 28);
    ImageList1 = {FolderPicture(), DiskettePicture(), CalculatorPicture()};
    ToolButton1 = PictureButton(ImageList1[0], {2, 2, 23, 22}, ToolBar1, true);
    ToolButton1->setToolTip(QStringLiteral("Открыть другой файл данных"));
    ToolButton2 = PictureButton(ImageList1[1], {25, 2, 23, 22}, ToolBar1, true);
    ToolButton2->setToolTip(QStringLiteral("Сохранить расчет в текущем файле"));
    ToolButton4 = new QWidget(ToolBar1);
    ToolButton4->setGeometry(48, 2, 8, 22);
    ToolButton3 = PictureButton(ImageList1[2], {56, 2, 23, 22}, ToolBar1, true);
    ToolButton3->setToolTip(QStringLiteral("Рассчитать"));
}

void TForm1::CreateInputPanel(QWidget* client)
{
    Panel1 = new QFrame(client);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    CreateToolBar();

    Label1 = LabelAt(QStringLiteral("Кол-во точек:"), {1, 32}, Panel1);
    Edit1 = EditField(QStringLiteral("2"), {1, 48, 73, 21}, Panel1);
    Label2 = LabelAt(QStringLiteral("Допуск:"), {89, 32}, Panel1);
    Edit2 = EditField(QStringLiteral("0"), {89, 48, 73, 21}, Panel1);
    Label3 = LabelAt(QStringLiteral("Введите ваши данные:"), {24, 72}, Panel1);

    StringGrid1 = new TStringGrid({4, 3, 1, true, false}, Panel1);
    StringGrid1->setGeometry(0, 88, ExtendedPointGridWidth, 321);
    StringGrid1->viewport()->setCursor(Qt::CrossCursor);
    const int widths1[] = {25, 56, 55, DeviationColumnWidth};
    for (int col = 0; col < 4; ++col)
        StringGrid1->SetColWidth(col, widths1[col]);
    Points = PointGrid(StringGrid1);

    Raschet = HiddenButton(QStringLiteral("Рассчитать (F9)"), {32, 344, 105, 25}, Panel1);
    SaveChoice = HiddenButton(QStringLiteral("Сохранить расчет"), {32, 376, 105, 25}, Panel1);
    RschRz = HiddenButton(QStringLiteral("RschRz"), {168, 344, 49, 25}, Panel1);
    OpenDatFile = HiddenButton(QStringLiteral("OpenDatFile"), {168, 376, 49, 25}, Panel1);

    Label5 = LabelAt(QStringLiteral("Записи в файле Tolvazen.dat:"), {ExtendedLeft, 8}, Panel1);
    StringGrid2 = new TStringGrid({2, 3, 1, false, true}, Panel1);
    StringGrid2->setGeometry(ExtendedLeft, 25, 136, 112);
    StringGrid2->setFocusPolicy(Qt::ClickFocus);
    StringGrid2->SetColWidth(0, 23);
    StringGrid2->SetColWidth(1, 91);
    Label4 = LabelAt(QStringLiteral("Уравнение прямой:"), {ExtendedLeft, 136}, Panel1);

    CreateResultControls();
}

void TForm1::CreateResultControls()
{
    SpeedButton3 = PictureButton(RedArrowGlyph(ArrowDirection::Down, {10, 17}), {328, 164, 9, 22}, Panel1, false);
    SpeedButton3->setIconSize({7, 17});
    Label6 = LabelAt(QStringLiteral("Холостая:"), {ExtendedLeft, 168}, Panel1);
    BitBtn1 = new QPushButton(QStringLiteral("C"), Panel1);
    BitBtn1->setGeometry(ExtendedLeft + BitBtn1Offset, 168, 19, 17);
    BitBtn1->setFont(WindowFont(13, true));
    BitBtn1->setFocusPolicy(Qt::ClickFocus);
    QPalette red = BitBtn1->palette();
    red.setColor(QPalette::ButtonText, QColor(255, 0, 0));
    BitBtn1->setPalette(red);
    Edit3 = EditField(QStringLiteral("0"), {ExtendedLeft, 180, 73, 21}, Panel1);
    SpeedButton1 = PictureButton(RedArrowGlyph(ArrowDirection::Left, {19, 10}), {ExtendedLeft + SpeedButton1Offset, 187, 25, 14}, Panel1, false);
    SpeedButton2 = PictureButton(RedArrowGlyph(ArrowDirection::Right, {19, 10}), {ExtendedLeft + SpeedButton2Offset, 187, 25, 14}, Panel1, false);

    StringGrid3 = new TStringGrid({2, 2, 0, true, false}, Panel1);
    StringGrid3->setGeometry(ExtendedLeft, 200, 137, 209);
    StringGrid3->SetColWidth(0, 59);
    StringGrid3->SetColWidth(1, 57);
    Results = ResultGrid(StringGrid3);
}

void TForm1::SetTabOrder()
{
    QWidget* order[] = {Edit1, Edit2, StringGrid1, Edit3, StringGrid3, CloseEdit, Memo1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TForm1::ArrangeClient()
{
    const QSize size = client_->size();
    Panel1->setGeometry(0, 0, panel1Width_, size.height());
    const QRect right(panel1Width_, 0, size.width() - panel1Width_, size.height());
    Chart1->setGeometry(right);
    Panel4->setGeometry(right);
    Panel2->setGeometry(1, 1, right.width() - 2, 16);
    CloseEdit->setGeometry(Panel2->width() - 18, -1, 17, 17);
    Memo1->setGeometry(1, 17, right.width() - 2, right.height() - 18);
}

