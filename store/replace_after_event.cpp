#include "replace_after_event.h"

#include <future>

#include "atomic_replace.h"

bool ReplaceAfterEvent(const std::string& fileName, const std::vector<std::string_view>& pieces,
                       const std::function<void()>& writeEvent)
{
    // Where no thread can be started, the event is written in the rename's
    // turn instead. The future of std::async waits for its thread when it
    // goes out of scope.
    std::future<void> event = std::async(std::launch::async | std::launch::deferred, writeEvent);
    return ReplaceFileContents(fileName, pieces, [&event] { event.get(); });
}
