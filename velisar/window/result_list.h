#pragma once

#include <QListWidget>

// The result list, QRsult: one row per found verse, read right to left.
// A verse is longer than the list is wide, so rows wrap onto as many lines
// as they need instead of being cut off.
class ResultList : public QListWidget {
    Q_OBJECT
public:
    explicit ResultList(QWidget* parent);
};
