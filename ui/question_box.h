#pragma once

#include <QMessageBox>
#include <optional>
#include <string>

// The editor's question before it drops changes: "Сохранить изменения?"
// without an icon, the application's title as caption, the buttons Yes, No
// and Cancel. A box closed without a choice answers Cancel.
QMessageBox::StandardButton AskSaveChanges();

// The editor's question before its save overwrites the data file that another
// program changed since the editor read it (`before`; `after` is the file
// now, no value when it is gone or unreadable): it names the file and the
// change, with a warning icon, the application's title and the buttons Yes
// and No. True for Yes; a box closed without a choice answers No.
bool AskOverwriteChangedFile(const QString& fileName, const std::optional<std::string>& before,
                             const std::optional<std::string>& after);
