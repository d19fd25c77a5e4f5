#pragma once

#include <QTest>
#include <QWidget>

// Shows a window and waits until it is the active one, as a user's click
// would leave it; windows run their activation steps only then.
inline void showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}
