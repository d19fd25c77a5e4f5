#pragma once

#include <QString>

// The system clipboard as the link uses it: plain text only.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    virtual void clear() = 0;
    virtual void setText(const QString& text) = 0;
};
