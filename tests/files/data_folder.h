#pragma once

#include <QTemporaryDir>
#include <string>

#include "ui_test_helpers.h"

// Windows-1251 bytes of a UTF-8 text.
std::string Cp(const std::string& utf8);

// A record as the program appends it, with the given tolerance, points and
// readings, saved on 5 March 2007 at 14:27.
std::string RecordBytes(const std::string& tolerance, const std::vector<std::pair<std::string, std::string>>& points,
                        const std::vector<std::string>& readings);

// The worked example: three points of four saved, tolerance 0.05, readings
// 0.3 and 0.75.
std::string ExampleRecord();

// Record k (1 to 9) of a file of small records, each told apart by its
// tolerance 0.0k: the points (1; 2) and (2; 3 + k), the reading 5.
std::string NumberedRecord(int k);

// The main window started in a folder of its own, which is the current
// directory while the test runs; the test writes the settings and data
// files before it starts the window.
class DataFolderTest : public MainWindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    QString Path(const QString& name) const { return folder_.filePath(name); }
    void Write(const QString& name, const std::string& bytes) const;
    std::string Read(const QString& name) const;
    // Settings naming "lab.dat", which holds these bytes; then the window.
    void Start(const std::string& labBytes);

    // A mouse press on row `row` of the record list.
    void ClickRecord(int row);
    // Accepts the next file dialog with this path.
    void AcceptFileDialog(const QString& path);

    QString Listed(int row) const { return form->StringGrid2->Cells(1, row); }
    // Delete pressed in the record list.
    void PressDelete();

    // "Вид" > "Редактор".
    void OpenEditor();
    // Types at the end of the editor's text.
    void TypeInEditor(const QString& text);
    // Esc pressed in the editor.
    void PressEsc();

private:
    QTemporaryDir folder_;
    QString previous_;
};
