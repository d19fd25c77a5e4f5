#pragma once

#include <QLockFile>
#include <QString>

// Decides whether this is the only Velisar running for the user: the first
// instance holds a lock file for its whole run. A lock left by a process
// that was killed is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockFilePath);

    // True for the first instance; it then keeps the lock until destroyed.
    bool claim();

    // The lock file in the user's runtime folder.
    static QString defaultLockFilePath();

private:
    QLockFile lock_;
};
