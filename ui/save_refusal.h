#pragma once

#include <QString>
#include <string>

#include "store/change_journal.h"

// The reasons a save writes nothing at all, each ending the command with
// the program's own message in the "Error" box.

// The Windows-1251 bytes of a text that is to be saved. A character the code
// page has no byte for is never written as another one: the save is refused,
// naming that character.
std::string FileBytesOrRefuse(const QString& text);

// A save needs a data file; without one named (no settings file, or an empty
// first line) it is refused, saying where a data file is named.
void RefuseWithoutDataFile(const std::string& dataFileName);

// A delete or an editor save whose event the history beside the data file
// could not take is refused: `notDone` ("Запись не удалена") and why.
[[noreturn]] void RefuseWithoutHistory(const std::string& notDone, const HistoryNotWritten& refused);
