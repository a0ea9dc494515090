#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>

#include "ui/window_control.h"

// A single-line edit field: the control events, and a change event for every
// change of its text, typed or set by the program.
class TEdit : public QLineEdit, public WindowControl {
    Q_OBJECT
public:
    explicit TEdit(QWidget* parent);

    // A change made by the program: the change event runs inside this call, so
    // an error in it reaches the caller. It is the field's one text setter.
    void SetText(const QString& text);
    void setText(const QString& text) = delete;

    std::function<void()> OnChange;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool settingText_ = false;
};

// A multi-line text field with the control events.
class TMemo : public QPlainTextEdit, public WindowControl {
    Q_OBJECT
public:
    TMemo(const QString& text, QWidget* parent) : QPlainTextEdit(text, parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A label whose caption may hold line feeds and carriage returns; it shows one
// line per line feed and sizes itself to its text.
class TLabel : public QLabel {
    Q_OBJECT
public:
    TLabel(const QString& caption, QWidget* parent);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);

private:
    QString caption_;
};
