#pragma once

#include <QString>

// Opens a document or a link with the program the desktop associates with
// it. Nothing is reported, also when the target cannot be opened; a local
// file that does not exist is not handed to the desktop at all.
void OpenWithShell(const QString& target);
