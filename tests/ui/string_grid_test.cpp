// The string grid on its own: sparse texts, the two shrinking rules, events.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <vector>

#include "ui/string_grid.h"

namespace {

struct Selection {
    int col, row, rowCountSeen;
};

class GridTest : public ::testing::Test {
protected:
    void Make(const TStringGrid::Options& options)
    {
        grid = std::make_unique<TStringGrid>(options, nullptr);
        grid->resize(200, 200);
        grid->OnSelectCell = [this](int col, int row, bool&) {
            selections.push_back({col, row, grid->RowCount()});
        };
        grid->OnKeyDown = [this](std::uint16_t& key, Qt::KeyboardModifiers) {
            keys.push_back({key, grid->Col(), grid->Row()});
        };
        grid->show();
        grid->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
    }
    // The open cell editor (a closed one lingers until it is deleted later).
    QLineEdit* Editor() const
    {
        for (QLineEdit* editor : grid->findChildren<QLineEdit*>())
            if (editor->isVisible())
                return editor;
        return nullptr;
    }

    struct Key {
        int key, col, row;
    };
    std::unique_ptr<TStringGrid> grid;
    std::vector<Selection> selections;
    std::vector<Key> keys;
};

TEST_F(GridTest, TextsOutliveTheCountsAndMayBeWrittenBeyondThem)
{
    Make({4, 3, 1, true, false});
    grid->SetCells(1, 100, "far");
    grid->SetCells(2, 2, "x");
    grid->SetCells(3, 2, "d");
    grid->SetRowCount(2);
    grid->SetColCount(3);
    EXPECT_EQ(grid->model()->rowCount(), 1);
    grid->SetRowCount(101);
    grid->SetColCount(4);
    EXPECT_EQ(grid->Cells(2, 2), "x");
    EXPECT_EQ(grid->Cells(3, 2), "d");
    EXPECT_EQ(grid->Cells(1, 100), "far");
    EXPECT_EQ(grid->model()->index(1, 1).data().toString(), "x");
    EXPECT_EQ(grid->ColWidth(3), 25) << "a column that comes back takes the default width";
}

TEST_F(GridTest, HeadingAndFixedColumnShowAsHeaders)
{
    Make({4, 3, 1, true, false});
    grid->SetCells(1, 0, "%:");
    grid->SetCells(0, 2, "2");
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), "%:");
    EXPECT_EQ(grid->model()->headerData(1, Qt::Vertical).toString(), "2");
    EXPECT_EQ(grid->model()->rowCount(), 2);
    EXPECT_EQ(grid->model()->columnCount(), 3);
}

TEST_F(GridTest, HeadingRuleTurnsTheHeadingIntoAnOrdinaryRowWithoutEvent)
{
    Make({4, 3, 1, true, false});
    grid->SetCells(2, 0, "Замер:");
    grid->SetSelection(2, 2);
    grid->SetRowCount(1);
    EXPECT_EQ(grid->FixedRows(), 0);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 0);
    EXPECT_TRUE(selections.empty());
    EXPECT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(grid->model()->index(0, 1).data().toString(), "Замер:");
    grid->SetRowCount(3);
    EXPECT_EQ(grid->FixedRows(), 0) << "the fixed row does not come back";
}

TEST_F(GridTest, CurrentRowRuleReportsTheMoveBeforeTheCountChangeReturns)
{
    Make({2, 6, 1, false, true});
    grid->SetSelection(1, 5);
    ASSERT_TRUE(selections.empty()) << "a program selection raises no event";
    grid->SetRowCount(4);
    ASSERT_EQ(selections.size(), 1u);
    EXPECT_EQ(selections[0].col, 1);
    EXPECT_EQ(selections[0].row, 3);
    EXPECT_EQ(selections[0].rowCountSeen, 4);
    EXPECT_EQ(grid->Row(), 3);

    grid->SetRowCount(3);
    ASSERT_EQ(selections.size(), 2u) << "a count equal to the current row moves it too";
    EXPECT_EQ(selections[1].row, 2);

    grid->SetSelection(1, 1);
    grid->SetRowCount(2);
    EXPECT_EQ(selections.size(), 2u) << "a current row below the new count stays";
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(GridTest, KeyDownRunsBeforeTheGridMovesAndArrowsReportSelections)
{
    Make({3, 4, 1, true, false});
    grid->SetSelection(1, 1);
    QTest::keyClick(grid.get(), Qt::Key_Down);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].key, 40);
    EXPECT_EQ(keys[0].row, 1) << "the handler sees the cell before the move";
    EXPECT_EQ(grid->Row(), 2);
    ASSERT_EQ(selections.size(), 1u);
    EXPECT_EQ(selections[0].row, 2);
    EXPECT_EQ(selections[0].col, 1);
}

TEST_F(GridTest, TypingEditsAndEveryChangeReachesTheCellAtOnce)
{
    Make({3, 4, 1, true, false});
    grid->SetCells(1, 1, "0");
    grid->SetSelection(1, 1);
    QTest::keyClick(grid.get(), '4');
    ASSERT_TRUE(grid->Editing());
    EXPECT_EQ(grid->Cells(1, 1), "4") << "the typed character replaces the text";
    QTest::keyClick(Editor(), '2');
    EXPECT_EQ(grid->Cells(1, 1), "42");
    QTest::keyClick(Editor(), Qt::Key_Return);
    EXPECT_FALSE(grid->Editing());
    EXPECT_EQ(keys.back().key, 13);

    QTest::keyClick(grid.get(), Qt::Key_F2);
    ASSERT_TRUE(grid->Editing());
    EXPECT_EQ(Editor()->text(), "42");
    QTest::keyClick(Editor(), Qt::Key_Return);
    QTest::keyClick(grid.get(), Qt::Key_Return);
    EXPECT_TRUE(grid->Editing()) << "Enter opens a closed cell";
}

TEST_F(GridTest, KeysInTheEditorReachTheHandlerOnceAndAProgramWriteShowsInTheEditor)
{
    Make({3, 4, 1, true, false});
    grid->OnKeyDown = [this](std::uint16_t& key, Qt::KeyboardModifiers) {
        keys.push_back({key, grid->Col(), grid->Row()});
        if (key == 46)
            grid->SetCells(grid->Col(), grid->Row(), QString());
    };
    grid->SetCells(2, 1, "123");
    grid->SetSelection(2, 1);
    QTest::keyClick(grid.get(), Qt::Key_F2);
    ASSERT_TRUE(grid->Editing());
    Editor()->setCursorPosition(1);
    keys.clear();
    QTest::keyClick(Editor(), Qt::Key_Delete);
    EXPECT_EQ(grid->Cells(2, 1), "");
    EXPECT_EQ(Editor()->text(), "");
    QTest::keyClick(Editor(), Qt::Key_F9);
    QTest::keyClick(Editor(), Qt::Key_Down);
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[1].key, 120);
    EXPECT_EQ(keys[2].key, 40);
    EXPECT_EQ(grid->Row(), 2) << "a key the editor leaves goes on to the grid";
}

TEST_F(GridTest, RecordListGridSelectsWholeRowsAndIsNotEditable)
{
    Make({2, 5, 1, false, true});
    grid->SetCells(1, 2, "01.01.2026");
    grid->SetSelection(1, 2);
    QTest::keyClick(grid.get(), 'a');
    EXPECT_FALSE(grid->Editing());
    EXPECT_EQ(grid->Cells(1, 2), "01.01.2026");
    EXPECT_EQ(grid->selectionBehavior(), QAbstractItemView::SelectRows);
}

TEST_F(GridTest, HundredThousandRowsKeepTheirTexts)
{
    Make({2, 3, 1, false, true});
    grid->SetRowCount(100001);
    for (int row = 1; row <= 100000; ++row)
        grid->SetCells(1, row, QString::number(row));
    EXPECT_EQ(grid->model()->rowCount(), 100000);
    EXPECT_EQ(grid->Cells(1, 99999), "99999");
    grid->SetSelection(1, 100000);
    grid->SetRowCount(3);
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(GridTest, AHugeRowCountIsKeptButTheViewShowsABoundedNumber)
{
    Make({4, 3, 1, true, false});
    grid->SetCells(1, 2, "kept");
    grid->SetRowCount(1000000001);
    EXPECT_EQ(grid->RowCount(), 1000000001);
    EXPECT_EQ(grid->model()->rowCount(), GridCells::MaxShownRows);
    grid->SetRowCount(3);
    EXPECT_EQ(grid->model()->rowCount(), 2);
    EXPECT_EQ(grid->Cells(1, 2), "kept");
}

}  // namespace
