#pragma once

#include <QMetaObject>
#include <QPointer>
#include <QWidget>

// Entering and leaving of the controls in a window's client area, followed
// from the application's focus changes. Only a move from one control there to
// another counts: the menu bar taking the keyboard (Alt, a menu opened with
// the mouse), a modal box or another window, and the focus coming back from
// them to the control that had it, are no move. A control is the focused
// widget, or the WindowControl that holds it (a grid holds its cell editor).
// On a move the control left runs its exit, then the control entered its
// enter.
class FocusTracking {
public:
    // `focused` is the control that holds the focus now.
    FocusTracking(QWidget* client, QWidget* focused);
    // Ends the tracking: a window being destroyed takes the focus from its
    // controls, and none of their handlers may run then.
    ~FocusTracking();
    FocusTracking(const FocusTracking&) = delete;
    FocusTracking& operator=(const FocusTracking&) = delete;

private:
    void FocusChanged(QWidget* now);

    QWidget* client_;
    QPointer<QWidget> active_;
    QMetaObject::Connection connection_;
};
