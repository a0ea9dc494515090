#pragma once

#include <QString>
#include <functional>

#include "core/run_error.h"

// A message of the program's own that ends a command like a run-time error;
// it is shown in the "Error" box, its text as it stands.
class ProgramMessage : public RunError {
public:
    using RunError::RunError;
};

// The box of a run-time error: its text with the full stop rule, the
// application's title as caption, an error icon and OK.
void ShowRunErrorBox(const RunError& error);

// The program's own messages: an error box with the caption "Error".
void ShowProgramErrorBox(const QString& text);

// Runs the handler of one window event. A run-time error ends the handler and
// every handler it called and is shown in the error box; the window event
// itself goes on.
void RunWindowEvent(const std::function<void()>& handler);
