#include "ui/window_control.h"

#include <QKeyEvent>

#include "ui/error_box.h"

void WindowControl::Enter()
{
    if (OnEnter)
        RunWindowEvent(OnEnter);
}

void WindowControl::Exit()
{
    if (OnExit)
        RunWindowEvent(OnExit);
}

void WindowControl::KeyDown(const QKeyEvent& event)
{
    std::uint16_t key = VirtualKey(event);
    RunWindowEvent([&] {
        if (OnKeyDown)
            OnKeyDown(key, event.modifiers());
    });
}
