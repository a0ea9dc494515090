#pragma once

class TStringGrid;

// A string grid of the window seen through what its rows and columns hold.
class NamedGrid {
public:
    explicit NamedGrid(TStringGrid* grid = nullptr) : grid_(grid) {}

    int RowCount() const;
    int LastRow() const { return RowCount() - 1; }
    // Makes (col, row) the current and only selected cell, without a
    // selection event.
    void MakeCurrent(int col, int row);
    // A drawn cell whose text begins with "." takes the leading zero.
    void CompleteLeadingZero(int col, int row);

protected:
    TStringGrid* grid_;
};
