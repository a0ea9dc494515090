#pragma once

#include <optional>
#include <string>

// What a command of tolvazen-history prints and its exit status: 0 done,
// 1 a chain that is not whole or a restore refused, 2 a file that cannot be
// read or an event that does not exist (nothing is written then).
struct CommandOutcome {
    int status = 0;
    std::string out;
    std::string error;
};

enum class ListFormat { Text, Json };

CommandOutcome ListHistory(const std::string& dataFile, ListFormat format, std::optional<long long> record);
CommandOutcome VerifyHistory(const std::string& dataFile);
// Undoes event `seq` as a new restore event, under the data file's lock.
CommandOutcome RestoreEvent(const std::string& dataFile, long long seq);
