#include "data_folder.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "store/code_page.h"

std::string Cp(const std::string& utf8)
{
    return Utf8ToCp1251(utf8).bytes;
}

std::string RecordBytes(const std::string& tolerance, const std::vector<std::pair<std::string, std::string>>& points,
                        const std::vector<std::string>& readings)
{
    std::string text = "\r\n#\r\nДата: 05.03.2007\r\nВремя: 14:27\r\n" + tolerance + "       Погрешность\r\n" +
                       std::to_string(points.size()) + "       Кол-во точек\r\n8       Кол-во нулей за зпт.\r\n";
    int i = 1;
    for (const auto& [x, y] : points) {
        text += x + "    = X%(" + std::to_string(i) + ")\r\n";
        text += y + "    = D(" + std::to_string(i) + ")\r\n";
        ++i;
    }
    for (const std::string& reading : readings)
        text += reading + "\r\n";
    return Cp(text);
}

std::string ExampleRecord()
{
    return RecordBytes("0.05000000", {{"0.00000000", "0.01200000"}, {"5.00000000", "0.26000000"},
                                      {"20.00000000", "1.01300000"}},
                       {"0.3", "0.75"});
}

std::string NumberedRecord(int k)
{
    return RecordBytes("0.0" + std::to_string(k) + "000000",
                       {{"1.00000000", "2.00000000"}, {"2.00000000", std::to_string(3 + k) + ".00000000"}}, {"5"});
}

void DataFolderTest::SetUp()
{
    ASSERT_TRUE(folder_.isValid());
    previous_ = QDir::currentPath();
    QDir::setCurrent(folder_.path());
}

void DataFolderTest::TearDown()
{
    MainWindowTest::TearDown();
    QDir::setCurrent(previous_);
}

void DataFolderTest::Write(const QString& name, const std::string& bytes) const
{
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string DataFolderTest::Read(const QString& name) const
{
    QFile file(Path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

void DataFolderTest::Start(const std::string& labBytes)
{
    Write(QStringLiteral("tolvazen.ini"), "lab.dat\r\n");
    Write(QStringLiteral("lab.dat"), labBytes);
    Open(".");
}

void DataFolderTest::ClickRecord(int row)
{
    TStringGrid* grid = form->StringGrid2;
    const QModelIndex index = grid->model()->index(row - grid->FixedRows(), 0);
    ASSERT_TRUE(index.isValid()) << "row " << row;
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
    Settle();
}

void DataFolderTest::AcceptFileDialog(const QString& path)
{
    auto* poll = new QTimer(form.get());
    QObject::connect(poll, &QTimer::timeout, [this, poll, path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->deleteLater();
        // Typed into the dialog's file name field, as a user would.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setText(path);
        static_cast<QDialog*>(dialog)->accept();
        form->activateWindow();
    });
    poll->start(5);
}

void DataFolderTest::PressDelete()
{
    Focus(form->StringGrid2);
    Press(Qt::Key_Delete);
    Settle();
}

void DataFolderTest::OpenEditor()
{
    form->N9->trigger();
    Settle();
}

void DataFolderTest::TypeInEditor(const QString& text)
{
    form->Memo1->moveCursor(QTextCursor::End);
    QTest::keyClicks(form->Memo1, text);
}

void DataFolderTest::PressEsc()
{
    QTest::keyClick(form->Memo1, Qt::Key_Escape);
    Settle();
}
