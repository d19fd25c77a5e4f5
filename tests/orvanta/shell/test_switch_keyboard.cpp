#include "orvanta/shell/switch_keyboard.h"
#include "orvanta/shell/xkb_layout_names.h"

#include <QTest>

namespace {

// A desktop with a list of layouts, one of them active.
class FakeLayouts : public KeyboardLayouts {
public:
    FakeLayouts(QList<quint32> layouts, int active) : layouts_(layouts), active_(active) {}
    quint32 CurrentLayout() const override { return layouts_.at(active_); }
    void ActivateNext() override {
        active_ = (active_ + 1) % layouts_.size();
        ++switches;
    }
    void ActivatePrevious() override {
        active_ = (active_ + layouts_.size() - 1) % layouts_.size();
        ++switches;
    }
    int switches = 0;

private:
    QList<quint32> layouts_;
    int active_;
};

} // namespace

class TestSwitchKeyboard : public QObject {
    Q_OBJECT
private slots:
    void switching_data();
    void switching();
    void xkbLayouts_data();
    void xkbLayouts();
    void inputLocales();
};

void TestSwitchKeyboard::switching_data() {
    QTest::addColumn<QList<quint32>>("layouts");
    QTest::addColumn<int>("active");
    QTest::addColumn<QString>("language");
    QTest::addColumn<quint32>("after");
    QTest::addColumn<int>("switches");

    const QList<quint32> usArabic = {kUsEnglishLayout, kArabicLayout};
    const QList<quint32> ukUsArabic = {kUkEnglishLayout, kUsEnglishLayout, kArabicLayout};
    QTest::newRow("a from English") << usArabic << 0 << "a" << kArabicLayout << 1;
    QTest::newRow("A like a") << usArabic << 0 << "A" << kArabicLayout << 1;
    QTest::newRow("a while Arabic") << usArabic << 1 << "a" << kArabicLayout << 0;
    QTest::newRow("e from Arabic") << usArabic << 1 << "e" << kUsEnglishLayout << 1;
    QTest::newRow("E like e") << usArabic << 1 << "E" << kUsEnglishLayout << 1;
    QTest::newRow("e while English") << usArabic << 0 << "e" << kUsEnglishLayout << 0;
    QTest::newRow("x does nothing") << usArabic << 0 << "x" << kUsEnglishLayout << 0;
    QTest::newRow("empty does nothing") << usArabic << 0 << "" << kUsEnglishLayout << 0;
    QTest::newRow("longer text does nothing") << usArabic << 0 << "ar" << kUsEnglishLayout << 0;
    QTest::newRow("a while UK English") << ukUsArabic << 0 << "a" << kUkEnglishLayout << 0;
    QTest::newRow("a steps to the next layout") << ukUsArabic << 1 << "a" << kArabicLayout << 1;
    QTest::newRow("e steps back one layout") << ukUsArabic << 0 << "e" << kArabicLayout << 1;
}

void TestSwitchKeyboard::switching() {
    QFETCH(QList<quint32>, layouts);
    QFETCH(int, active);
    QFETCH(QString, language);
    FakeLayouts desktop(layouts, active);
    SwitchKeyboard(desktop, language);
    QTEST(desktop.CurrentLayout(), "after");
    QTEST(desktop.switches, "switches");
}

void TestSwitchKeyboard::xkbLayouts_data() {
    QTest::addColumn<QString>("symbols");
    QTest::addColumn<QStringList>("layouts");
    QTest::newRow("English and Arabic")
        << "pc+us+ara:2+inet(evdev)+group(alt_shift_toggle)" << QStringList{"us", "ara"};
    QTest::newRow("one layout") << "pc+us+inet(evdev)" << QStringList{"us"};
    QTest::newRow("variants") << "pc+us(intl)+ara(digits):2+gb:3+inet(evdev)"
                              << QStringList{"us(intl)", "ara(digits)", "gb"};
    QTest::newRow("Arabic first") << "pc+ara+us:2+inet(evdev)" << QStringList{"ara", "us"};
    QTest::newRow("options after the first layout")
        << "pc+us+ctrl(nocaps)+compose(ralt)+ara:2" << QStringList{"us", "ara"};
    QTest::newRow("empty") << "" << QStringList{};
}

void TestSwitchKeyboard::xkbLayouts() {
    QFETCH(QString, symbols);
    QTEST(XkbLayoutsFromSymbols(symbols), "layouts");
}

void TestSwitchKeyboard::inputLocales() {
    QCOMPARE(InputLocaleOfXkbLayout(u"us"), kUsEnglishLayout);
    QCOMPARE(InputLocaleOfXkbLayout(u"ara"), kArabicLayout);
    QCOMPARE(InputLocaleOfXkbLayout(u"gb"), kUkEnglishLayout);
    // US International is another layout than US English.
    QCOMPARE(InputLocaleOfXkbLayout(u"us(intl)"), 0u);
    QCOMPARE(InputLocaleOfXkbLayout(u"de"), 0u);
}

QTEST_GUILESS_MAIN(TestSwitchKeyboard)
#include "test_switch_keyboard.moc"
