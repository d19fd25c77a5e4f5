#include "orvanta/search/search_request.h"
#include "search_fixture.h"

#include <QTest>

class TestSearchScope : public QObject {
    Q_OBJECT
private slots:
    void inScope_data();
    void inScope();
};

void TestSearchScope::inScope_data() {
    QTest::addColumn<SearchScope>("scope");
    QTest::addColumn<QString>("combo1");
    QTest::addColumn<QString>("combo2");
    QTest::addColumn<QString>("combo3");
    QTest::addColumn<QString>("juzNo");
    QTest::addColumn<bool>("inScope");
    const auto whole = SearchScope::WholeMushaf;
    const auto one = SearchScope::OneJuz;
    const auto range = SearchScope::JuzRange;
    QTest::newRow("whole, juz 1") << whole << ""
                                  << ""
                                  << ""
                                  << "1" << true;
    QTest::newRow("whole, juz 30") << whole << ""
                                   << ""
                                   << ""
                                   << "30" << true;
    QTest::newRow("whole, juz 0") << whole << ""
                                  << ""
                                  << ""
                                  << "0" << false;
    QTest::newRow("whole, juz no number") << whole << ""
                                          << ""
                                          << ""
                                          << "x" << false;
    QTest::newRow("whole, blanks before") << whole << ""
                                          << ""
                                          << ""
                                          << "  7" << true;
    QTest::newRow("one, same") << one << "30"
                               << ""
                               << ""
                               << "30" << true;
    QTest::newRow("one, other") << one << "30"
                                << ""
                                << ""
                                << "29" << false;
    QTest::newRow("one, typed with text") << one << "5th"
                                          << ""
                                          << ""
                                          << "5" << true;
    QTest::newRow("one, not a number") << one << "juz"
                                       << ""
                                       << ""
                                       << "1" << false;
    QTest::newRow("one, leading blanks") << one << " 12"
                                         << ""
                                         << ""
                                         << "12" << true;
    QTest::newRow("range 5..7, 4") << range << ""
                                   << "5"
                                   << "7"
                                   << "4" << false;
    QTest::newRow("range 5..7, 5") << range << ""
                                   << "5"
                                   << "7"
                                   << "5" << true;
    QTest::newRow("range 5..7, 6") << range << ""
                                   << "5"
                                   << "7"
                                   << "6" << true;
    QTest::newRow("range 5..7, 7") << range << ""
                                   << "5"
                                   << "7"
                                   << "7" << true;
    QTest::newRow("range 5..7, 8") << range << ""
                                   << "5"
                                   << "7"
                                   << "8" << false;
    QTest::newRow("range 7..5, 6") << range << ""
                                   << "7"
                                   << "5"
                                   << "6" << false;
    QTest::newRow("range 7..5, 7") << range << ""
                                   << "7"
                                   << "5"
                                   << "7" << false;
    QTest::newRow("range, empty upper bound") << range << ""
                                              << "1"
                                              << ""
                                              << "1" << false;
    QTest::newRow("range, no lower bound") << range << ""
                                           << ""
                                           << "3"
                                           << "2" << true;
    // The other options' values do not count.
    QTest::newRow("one, range values ignored") << one << "2"
                                               << "1"
                                               << "30"
                                               << "3" << false;
    QTest::newRow("range, combo1 ignored") << range << "9"
                                           << "1"
                                           << "2"
                                           << "9" << false;
}

void TestSearchScope::inScope() {
    QFETCH(SearchScope, scope);
    QFETCH(QString, juzNo);
    SearchRequest request;
    request.Scope = scope;
    QFETCH(QString, combo1);
    QFETCH(QString, combo2);
    QFETCH(QString, combo3);
    request.Combo1 = combo1;
    request.Combo2 = combo2;
    request.Combo3 = combo3;
    QTEST(InScope(request, juzNo), "inScope");
}

QTEST_APPLESS_MAIN(TestSearchScope)
#include "test_search_scope.moc"
