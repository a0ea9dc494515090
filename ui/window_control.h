#pragma once

#include <functional>

#include "ui/virtual_key.h"

class QKeyEvent;

// The events a control of the main window delivers to its handlers, each as
// a window event of its own: key down, before the control's own handling of
// the key, and the focus entering and leaving the control (FocusTracking).
class WindowControl {
public:
    virtual ~WindowControl() = default;

    KeyDownHandler OnKeyDown;
    std::function<void()> OnEnter;
    std::function<void()> OnExit;

    void Enter();
    void Exit();

protected:
    void KeyDown(const QKeyEvent& event);
};
