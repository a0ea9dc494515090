#pragma once

#include <string>
#include <vector>

// A table of UTF-8 texts laid out in columns of equal width, each column as
// wide as its widest cell (counted in characters), two blanks between
// columns; the first column flush left, the others flush right.
class TextColumns {
public:
    void Row(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }
    // The lines of the table, each indented by two blanks and ended by LF.
    std::string Text() const;

private:
    std::vector<std::vector<std::string>> rows_;
};

// The number of characters of a UTF-8 text.
std::size_t CharacterCount(const std::string& utf8);
