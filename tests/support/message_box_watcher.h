#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QTimer>

// A message box blocks a test in its own event loop. The watcher looks for
// one every few milliseconds, writes down what it said and presses its
// default button, so the code under test goes on.
class MessageBoxWatcher : public QObject {
    Q_OBJECT
public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        Qt::Alignment alignment; // of the text label
        Qt::LayoutDirection direction;
    };

    explicit MessageBoxWatcher(QObject* parent = nullptr);

    const QList<Seen>& seen() const { return seen_; }
    void clear() { seen_.clear(); }

private:
    void look();

    QTimer timer_;
    QList<Seen> seen_;
};
