#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "core/calibration_state.h"
#include "store/change_journal.h"
#include "store/file_lock.h"

// The bytes of one record as it is appended, each line ending CR LF:
//   (empty line)
//   #
//   Дата: <dateText>
//   Время: <timeText>
//   <Tolerance>       Погрешность
//   <ActiveCount>       Кол-во точек
//   8       Кол-во нулей за зпт.
//   then for each point i = 1..PointCount whose PointExcluded is not 'y':
//   <PercentValues[i]>    = X%(<i>)
//   <MeasuredValues[i]>    = D(<i>)
//   then each reading text, as it stands.
// Reals are written with eight decimals and '.'; the labels are Windows-1251.
// Raises the range error when PointCount exceeds 1000.
std::string RecordText(const CalibrationState& s, const std::vector<std::string>& readings,
                       std::string_view dateText, std::string_view timeText);

// Appends RecordText to the data file, creating the file when it does not
// exist, while holding the file's lock (DataFileLock, DataFileBusy when it is
// not had within `lockWait`). A byte 26 (Ctrl-Z) within the last 128 bytes of
// an existing file cuts the file off at it, as part of an append that
// succeeds. True once the record is on the disk; false when the name is empty
// or the file cannot be written, and then the file is as it was (AppendDurably).
// The range error of RecordText leaves the file untouched. A `journal` hears
// of the append under the same lock; when it cannot write its event after
// the record is on the disk, its HistoryNotWritten ends the call.
bool AppendRecord(const std::string& dataFileName, const CalibrationState& s,
                  const std::vector<std::string>& readings, std::string_view dateText,
                  std::string_view timeText, std::chrono::milliseconds lockWait = kDataFileLockWait,
                  ChangeJournal* journal = nullptr);
