#pragma once

#include <optional>
#include <stdexcept>
#include <string>

// A run-time error: it ends the command that raised it and every command that
// called it, and the window shows its text in an error box. Texts are UTF-8.
class RunError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    static RunError RangeCheck() { return RunError("Range check error"); }
    static RunError InvalidFloat(const std::string& text)
    {
        return RunError("'" + text + "' is not a valid floating point value");
    }
    static RunError InvalidInteger(const std::string& text)
    {
        return RunError("'" + text + "' is not a valid integer value");
    }
    static RunError IntegerOverflow() { return RunError("Integer overflow"); }
    static RunError DivisionByZero() { return RunError("Floating point division by zero"); }
    static RunError InvalidOperation() { return RunError("Invalid floating point operation"); }
    static RunError FloatOverflow() { return RunError("Floating point overflow"); }
    static RunError CannotOpenFile(const std::string& name) { return RunError("Cannot open file " + name); }
    static RunError CannotCreateFile(const std::string& name) { return RunError("Cannot create file " + name); }

    // The text of the error box: a full stop is appended when the last
    // character comes after "." in character order (a letter or a digit).
    std::string BoxText() const
    {
        std::string text = what();
        if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
            text += '.';
        return text;
    }
};

// What a computation hands the window when a run-time error may end it part
// way: the effects it lists up to that point, then the error. The window
// shows those effects and then raises the error, which ends the command.
struct EffectsThenError {
    std::optional<RunError> failure;

    void RaiseFailure() const
    {
        if (failure)
            throw *failure;
    }
};
