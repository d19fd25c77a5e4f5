#include "common/twips_geometry.h"
#include "finder_fixture.h"
#include "support/typing.h"
#include "velisar/window/help_pages.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

namespace {

QString tabName(int i) {
    return QStringLiteral("Help_Cmd(%1)").arg(i);
}

QString pageName(int i) {
    return QStringLiteral("Help_Lab(%1)").arg(i);
}

const char* const kUnderPanel[] = {"Text1",      "QRsult",     "Search_Count", "EsmASora_Lab",
                                   "Brisko_Cmd", "Cancel_Cmd", "Start_Search"};

// The page lying on top in the middle of the panel.
QWidget* pageInFront(FinderFixture& f) {
    auto* panel = f.control<QWidget>(QStringLiteral("Help_Pic"));
    return panel->childAt(panel->width() / 2, panel->height() / 2);
}

} // namespace

class TestHelpPanel : public QObject {
    Q_OBJECT
private slots:
    void opensOverTheWholeWindowOnPage5();
    void tabsShareTheWindowWidth();
    void pagesStackInClickOrder_data();
    void pagesStackInClickOrder();
    void aClickOnAPageOrTheStripCloses_data();
    void aClickOnAPageOrTheStripCloses();
    void aClickBetweenThePagesChangesNothing();
    void tabCaptionsAndTips_data();
    void tabCaptionsAndTips();
    void pageTexts();
    void pagesAreShownRightToLeft();
};

void TestHelpPanel::opensOverTheWholeWindowOnPage5() {
    FinderFixture f;
    QVERIFY(f.load());
    QTest::mouseClick(f.control<QWidget>(QStringLiteral("Brisko_Cmd")), Qt::LeftButton);

    auto* panel = f.control<QWidget>(QStringLiteral("Help_Pic"));
    QVERIFY(panel->isVisible());
    QCOMPARE(twipsGeometry(panel), QRectF(0, 0, 9500, 4955));
    QCOMPARE(pageInFront(f), f.control<QWidget>(pageName(5)));
    for (int i = 1; i <= 4; ++i)
        QVERIFY(f.control<QWidget>(pageName(i))->isHidden());
    for (const char* name : kUnderPanel)
        QVERIFY2(!f.control<QWidget>(QString::fromLatin1(name))->isEnabled(), name);

    // The fonts of the pages: 1 and 4 a little smaller, 3 smaller still.
    const double sizes[] = {0, 16, 18, 15.75, 16, 18};
    for (int i = 1; i <= 5; ++i) {
        const QFont font = f.control<QWidget>(pageName(i))->font();
        QCOMPARE(font.pointSizeF(), sizes[i]);
        QCOMPARE(font.family(), QStringLiteral("Traditional Arabic"));
        const QFont tab = f.control<QWidget>(tabName(i))->font();
        QCOMPARE(tab.pointSizeF(), 15.75);
        QVERIFY(tab.bold());
    }
}

void TestHelpPanel::tabsShareTheWindowWidth() {
    FinderFixture f;
    QVERIFY(f.load());
    f.window.Brisko_Cmd_Click();
    const double width = 9500 / 5.05;
    for (int i = 1; i <= 5; ++i) {
        QCOMPARE(twipsGeometry(f.control<QWidget>(tabName(i))),
                 QRectF(width * (i - 1), 0, width, 600));
        QCOMPARE(twipsGeometry(f.control<QWidget>(pageName(i))), QRectF(100, 550, 9200, 4955));
    }
    QVERIFY(qAbs(width - 1881.19) < 0.01);
    // The last tab ends at the edge of the drawn part of the window.
    QVERIFY(qAbs(width * 5 - 9400) < 10);
    QCOMPARE(twipsGeometry(f.control<QWidget>(QStringLiteral("Pic1"))),
             QRectF(width * 4, 560, width, 45));
}

void TestHelpPanel::pagesStackInClickOrder_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::newRow("3, 1, 3") << QList<int>{3, 1, 3};
    QTest::newRow("3, 1") << QList<int>{3, 1};
    QTest::newRow("2, 4, 5") << QList<int>{2, 4, 5};
}

void TestHelpPanel::pagesStackInClickOrder() {
    QFETCH(QList<int>, clicks);
    FinderFixture f;
    QVERIFY(f.load());
    f.window.Brisko_Cmd_Click();
    for (int i : clicks)
        QTest::mouseClick(f.control<QWidget>(tabName(i)), Qt::LeftButton);

    const int last = clicks.last();
    QCOMPARE(pageInFront(f), f.control<QWidget>(pageName(last)));
    for (int i : clicks)
        QVERIFY(f.control<QWidget>(pageName(i))->isVisible());
    const QRectF strip = twipsGeometry(f.control<QWidget>(QStringLiteral("Pic1")));
    QCOMPARE(strip.left(), twipsGeometry(f.control<QWidget>(tabName(last))).left());
    QCOMPARE(strip.top(), 560.0);
}

void TestHelpPanel::aClickOnAPageOrTheStripCloses_data() {
    QTest::addColumn<QString>("clicked");
    QTest::newRow("the strip") << "Pic1";
    QTest::newRow("page 5") << "Help_Lab(5)";
    QTest::newRow("page 3") << "Help_Lab(3)";
}

void TestHelpPanel::aClickOnAPageOrTheStripCloses() {
    QFETCH(QString, clicked);
    FinderFixture f;
    QVERIFY(f.load());
    typeText(f.control<QWidget>(QStringLiteral("Text1")), QStringLiteral("بسم"));
    f.window.Brisko_Cmd_Click();
    QTest::mouseClick(f.control<QWidget>(tabName(3)), Qt::LeftButton);
    QTest::mouseClick(f.control<QWidget>(clicked), Qt::LeftButton);

    QVERIFY(f.control<QWidget>(QStringLiteral("Help_Pic"))->isHidden());
    for (const char* name : kUnderPanel)
        QVERIFY2(f.control<QWidget>(QString::fromLatin1(name))->isEnabled(), name);
}

void TestHelpPanel::aClickBetweenThePagesChangesNothing() {
    FinderFixture f;
    QVERIFY(f.load());
    f.window.Brisko_Cmd_Click();
    auto* panel = f.control<QWidget>(QStringLiteral("Help_Pic"));
    // The margin left of the pages.
    QTest::mouseClick(panel, Qt::RightButton, {}, QPoint(2, panel->height() / 2));
    QVERIFY(panel->isVisible());
    QCOMPARE(pageInFront(f), f.control<QWidget>(pageName(5)));
    // Over the Cancel button, which stays under the panel.
    QCOMPARE(f.window.childAt(QPoint(80, 10)), f.control<QWidget>(tabName(1)));
}

void TestHelpPanel::tabCaptionsAndTips_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tip");
    QTest::newRow("1") << 1 << "إقتراحات"
                       << " ملاحظات وإقتراحات ";
    QTest::newRow("2") << 2 << "رقم الإصدار"
                       << " رقم الإصدار ";
    QTest::newRow("3") << 3 << "مساعدة"
                       << " Velisar";
    QTest::newRow("4") << 4 << "QuranDesk"
                       << " حقوق النسخ";
    QTest::newRow("5") << 5 << "Velisar"
                       << " Velisar";
}

void TestHelpPanel::tabCaptionsAndTips() {
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QString, tip);
    FinderFixture f;
    auto* tab = f.control<QAbstractButton>(tabName(index));
    QCOMPARE(tab->text(), caption);
    QCOMPARE(tab->toolTip(), tip);
}

void TestHelpPanel::pageTexts() {
    const QString heading = QString(48, u' ') + QStringLiteral("Velisar");
    for (int i : {1, 2, 5})
        QVERIFY(helpPageText(i).startsWith(heading + QStringLiteral("\r\n")));
    QVERIFY(helpPageText(2).contains(
        QStringLiteral("\r\n برنامج Velisar إصدار رقم 1.0 - رمضان  1421هـ\r\n\r\n\r\n\r\n\r\n")));
    QCOMPARE(helpPageText(3),
             QStringLiteral(
                 "\r\nيهدف برنامج Velisar إلى إيجاد الآية المراد إدراجها في النص المكتوب. ولإتمام "
                 "العملية اتبع الخطوات التالية:\r\n1- اكتب كلمة من الآية المطلوبة في (الوورد) أو "
                 "أكثر ثم ظللها.\r\n2- قم بتشغيل برنامج Velisar بالضغط عليه من أسفل الشاشة.\r\n3- "
                 "استعرض النتائج المقدمة والمحتوية على الكلمة المطلوبة.\r\n4- ادرج الآية المطلوبة "
                 "بالضغط عليها مرتين لتنتقل إلى برنامج الوورد MS-Word، أوانسخ الآية بالضغط على "
                 "الزر الأيمن في الفأرة لنقله إلى الذاكرة ومن ثم إلى برامج أخرى. "));
    // Page 4: a line break, then five lines about the publisher.
    QVERIFY(helpPageText(4).startsWith(QStringLiteral("\r\n")));
    QCOMPARE(helpPageText(4).count(QStringLiteral("\r\n")), 5);
    // Page 5: heading, citation, text.
    QCOMPARE(helpPageText(5).count(QStringLiteral("\r\n")), 2);
    QVERIFY(helpPageText(1).contains(QStringLiteral("Tanzil")));
}

void TestHelpPanel::pagesAreShownRightToLeft() {
    // Every line is its own right-to-left paragraph with its spaces kept,
    // so the heading's spaces push the name away from the right edge.
    const QString html = helpPageHtml(QStringLiteral("  a<b\r\n\r\nج"));
    QCOMPARE(html.count(QStringLiteral("<p dir=\"rtl\"")), 3);
    QVERIFY(html.contains(QStringLiteral("white-space:pre-wrap")));
    QVERIFY(html.contains(QStringLiteral(">  a&lt;b</p>")));
    QVERIFY(html.contains(QStringLiteral(">&nbsp;</p>")));
}

QTEST_MAIN(TestHelpPanel)
#include "test_help_panel.moc"
