#pragma once

#include "velisar/link/clipboard.h"

// The system clipboard.
class QtClipboard : public Clipboard {
public:
    void clear() override;
    void setText(const QString& text) override;
};
