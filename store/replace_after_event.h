#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Replaces the file's contents with `pieces` (ReplaceFileContents) while
// `writeEvent` writes the change's event on a thread of its own, so that the
// event's work goes on while the new bytes go to the disk. The new bytes take
// the file's name only after `writeEvent` has returned; an exception from it
// ends the call with the file unchanged. Where the new bytes cannot be
// written the result is false, whatever became of the event. The call
// returns only once `writeEvent` has ended (or, without a thread, never ran).
bool ReplaceAfterEvent(const std::string& fileName, const std::vector<std::string_view>& pieces,
                       const std::function<void()>& writeEvent);
