#pragma once

#include <string>

#include "store/durable_append.h"
#include "ui/Unit1.h"
#include "ui/error_box.h"

// Runs a write of the data file. When the share lost the connection before
// the write was confirmed, the record list is read again, so that it shows
// what the file holds, and the program's box says the change may have been
// saved.
template <typename Write>
auto ListedWhenUnconfirmed(TForm1& form, Write write) -> decltype(write())
{
    try {
        return write();
    } catch (const WriteOutcomeUnknown& unknown) {
        form.OpenDatFileClick();
        throw ProgramMessage(unknown.BoxText());
    }
}
