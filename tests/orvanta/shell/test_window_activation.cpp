#include "orvanta/shell/window_activation.h"
#include "support/show_active.h"

#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

class TestWindowActivation : public QObject {
    Q_OBJECT
private slots:
    void betweenProgramWindows();
    void popupsAreNoActivation();
    void messageBoxesAreNoActivation();
};

void TestWindowActivation::betweenProgramWindows() {
    QWidget browser;
    QWidget results;
    QSignalSpy activations(new ActivationWatcher(&browser), &ActivationWatcher::activated);
    QVERIFY(showActive(browser));
    QCOMPARE(activations.count(), 1);
    QVERIFY(showActive(results));
    QCOMPARE(activations.count(), 1);
    QVERIFY(showActive(browser));
    QCOMPARE(activations.count(), 2);
    // Activating the window that is already active is no new activation.
    browser.activateWindow();
    QTest::qWait(20);
    QCOMPARE(activations.count(), 2);
}

void TestWindowActivation::popupsAreNoActivation() {
    QWidget browser;
    QSignalSpy activations(new ActivationWatcher(&browser), &ActivationWatcher::activated);
    QVERIFY(showActive(browser));
    QCOMPARE(activations.count(), 1);
    QMenu popup(&browser);
    popup.addAction(QStringLiteral("١"));
    popup.popup(browser.mapToGlobal(QPoint(5, 5)));
    QVERIFY(QTest::qWaitForWindowExposed(&popup));
    popup.close();
    browser.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&browser));
    QTest::qWait(20);
    QCOMPARE(activations.count(), 1);
}

void TestWindowActivation::messageBoxesAreNoActivation() {
    QWidget browser;
    QSignalSpy activations(new ActivationWatcher(&browser), &ActivationWatcher::activated);
    QVERIFY(showActive(browser));
    QCOMPARE(activations.count(), 1);
    // As a window manager does: the box takes the focus and gives it back.
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("عفوا"), QStringLiteral("حدد السورة"),
                    QMessageBox::Ok, &browser);
    box.show();
    box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    box.close();
    QVERIFY(showActive(browser));
    QTest::qWait(20);
    QCOMPARE(activations.count(), 1);
    // A window of the program in between still counts.
    QWidget results;
    QVERIFY(showActive(results));
    QVERIFY(showActive(browser));
    QCOMPARE(activations.count(), 2);
}

QTEST_MAIN(TestWindowActivation)
#include "test_window_activation.moc"
