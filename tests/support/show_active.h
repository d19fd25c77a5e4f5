#pragma once

#include <QTest>
#include <QWidget>

// Shows a window and waits until it is the active one, as a user's click
// would leave it; windows run their activation steps only then. Whether it
// became active, for the caller to check: QVERIFY(showActive(window)).
[[nodiscard]] inline bool showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}
