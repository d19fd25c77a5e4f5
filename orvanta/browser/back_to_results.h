#pragma once

#include <QtGlobal>

// 1 once the browser has been left through its back command, so that closing
// the hidden browser later does not end the program; 0 again whenever the
// browser becomes active.
inline quint8 BackToResults = 0;
