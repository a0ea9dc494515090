#pragma once

#include <QFont>

class QDialog;
class QPlainTextEdit;
class QString;

// The DejaVu faces stand in for "MS Sans Serif" and "Times New Roman" of the
// window design, at the same character heights in pixels.
QFont SansFont(int pixelHeight);
QFont SerifFont(int pixelHeight);

enum class SelectionWhenUnfocused { Hidden, Visible };

// Puts a read-only multi-line field on clSilver into `form`, filling it. Its text
// can be scrolled, selected and copied with keyboard and mouse but not changed;
// lines wrap at the field's width.
QPlainTextEdit* AddInfoTextField(QDialog* form, const QFont& font, const QString& text,
                                 SelectionWhenUnfocused selection);
