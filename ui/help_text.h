#pragma once

#include <QString>

// The user instructions of the Help window: 66 lines joined by line feeds, a
// blank line between paragraphs and a trailing blank where a sentence runs on.
QString HelpText();
