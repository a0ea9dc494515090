#pragma once

#include <QFont>

class QDialog;
class QPlainTextEdit;
class QString;

enum class SelectionWhenUnfocused { Hidden, Visible };

// Puts a read-only multi-line field on clSilver into `form`, filling it. Its text
// can be scrolled, selected and copied with keyboard and mouse but not changed;
// lines wrap at the field's width.
QPlainTextEdit* AddInfoTextField(QDialog* form, const QFont& font, const QString& text,
                                 SelectionWhenUnfocused selection);
