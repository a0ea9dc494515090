#include "ui/focus_tracking.h"

#include <QApplication>

#include "ui/window_control.h"

namespace {

QWidget* OwningControl(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (dynamic_cast<WindowControl*>(w))
            return w;
    }
    return widget;
}

}  // namespace

FocusTracking::FocusTracking(QWidget* client, QWidget* focused) : client_(client), active_(focused)
{
    connection_ =
        QObject::connect(qApp, &QApplication::focusChanged, [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

FocusTracking::~FocusTracking()
{
    QObject::disconnect(connection_);
}

void FocusTracking::FocusChanged(QWidget* now)
{
    if (!now || !client_->isAncestorOf(now))
        return;
    QWidget* control = OwningControl(now);
    if (control == active_)
        return;
    QWidget* previous = active_;
    active_ = control;
    if (auto* left = dynamic_cast<WindowControl*>(previous))
        left->Exit();
    if (auto* entered = dynamic_cast<WindowControl*>(control))
        entered->Enter();
}
