#include "common/twips_geometry.h"
#include "orvanta/search/result_entries.h"
#include "orvanta/search/results_file_writer.h"
#include "orvanta/search/results_window.h"
#include "orvanta/search/search_state.h"
#include "orvanta/shell/font_dialog.h"
#include "orvanta/shell/font_substitutions.h"
#include "orvanta/shell/picture_box.h"
#include "orvanta/shell/text_box.h"
#include "orvanta/store/app_dir.h"
#include "orvanta/store/user_files.h"
#include "search_fixture.h"
#include "support/show_active.h"
#include "support/text_margins.h"
#include "tests/orvanta/font_file.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace {

// Real verses with tafsir texts of their own; the last one has no second
// tafsir.
QList<VerseRecord> fixtureHits() {
    QList<VerseRecord> hits;
    const int keys[][2] = {{1, 1}, {2, 1}, {2, 80}, {9, 129}, {114, 6}};
    for (const auto& key : keys) {
        VerseRecord v = verse(key[0], key[1]);
        v.Tafsir1 = QStringLiteral("تفسير أول للآية ") + v.AyahNo;
        v.Tafsir2 = QStringLiteral("تفسير ثان للآية ") + v.AyahNo;
        hits.append(v);
    }
    hits.last().Tafsir2.clear();
    return hits;
}

void writeResults(const QList<VerseRecord>& hits) {
    ResultsFileWriter writer;
    if (!writer.Open(ResultsFilePath()))
        qFatal("cannot write the results file");
    for (const VerseRecord& v : hits)
        writer.Append(v);
    writer.Commit();
}

} // namespace

class TestResultsWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void controls();
    void menu_data();
    void menu();
    void layoutAtDesignSize();
    void layoutThresholds_data();
    void layoutThresholds();
    void displayFontOnResize();
    void showFoundVerse_data();
    void showFoundVerse();
    void clickAndKeysShowTheEntry();
    void verseLabelKeepsToTheRight();
    void tafsirTabs();
    void marksReachTheHiddenList();
    void resultsFileVanished();
    void exitItemDisabledOnActivation();
    void closingEndsTheProgram_data();
    void closingEndsTheProgram();
    void connectedCommand();
    void fontDialogFromTheMenu();

private:
    void fill(const QList<VerseRecord>& hits);

    std::unique_ptr<ResultsWindow> window_;
    const ResultsControls* c_ = nullptr;
};

void TestResultsWindow::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    SetAppDir(QStringLiteral(PROGRAM_DIR));
    InstallFontSubstitutions();
}

void TestResultsWindow::init() {
    writeFontFile({});
    QFile::remove(ResultsFilePath());
    SearchWord.clear();
    DiacriticsMode = 0;
    window_ = std::make_unique<ResultsWindow>();
    c_ = &window_->Controls();
}

void TestResultsWindow::cleanup() {
    window_.reset();
    writeFontFile({});
}

void TestResultsWindow::fill(const QList<VerseRecord>& hits) {
    writeResults(hits);
    const ResultEntries entries = ReadResultEntries(ResultsFilePath());
    window_->AddResults(entries.texts, entries.verseIds);
}

void TestResultsWindow::controls() {
    QCOMPARE(window_->objectName(), QStringLiteral("Form1"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Orvanta"));
    QCOMPARE(window_->layoutDirection(), Qt::RightToLeft);
    const char* visible[] = {"List1",  "Text1",  "Picture10", "Text2(0)", "Pic(0)", "Pic(1)",
                             "Label1", "Label2", "Picture2",  "lab(0)",   "lab(1)", "lab(2)",
                             "lab(3)", "lab(4)", "lab(5)",    "Image1",   "Image2"};
    for (const char* name : visible) {
        auto* w = window_->findChild<QWidget*>(QLatin1String(name));
        QVERIFY2(w && !w->isHidden(), name);
    }
    for (const char* name : {"List2", "Text2(1)", "Picture1", "lab(6)"}) {
        auto* w = window_->findChild<QWidget*>(QLatin1String(name));
        QVERIFY2(w && w->isHidden(), name);
    }
    QCOMPARE(c_->Text2[0]->parentWidget(), c_->Picture10);
    QCOMPARE(c_->lab[3]->parentWidget(), c_->Picture2);
    QCOMPARE(c_->Text2[0]->toolTip(), QStringLiteral("تفسير الجلالين"));
    QCOMPARE(c_->Text2[1]->toolTip(), QStringLiteral("التفسير الميسر"));
    QCOMPARE(c_->Pic[0]->toolTip(), QStringLiteral("تفسير الجلالين"));
    QCOMPARE(c_->Pic[1]->toolTip(), QStringLiteral("التفسير الميسر"));
    QVERIFY(c_->Text1->isReadOnly());
    QCOMPARE(window_->BackgroundTexture().size(), QSize(50, 50));
    // The facts stand right to left: name, place, verses, words, letters,
    // order of revelation.
    const int order[] = {0, 5, 1, 3, 4, 2};
    for (int i = 1; i < 6; ++i)
        QVERIFY(twipsGeometry(c_->lab[order[i]]).left() <
                twipsGeometry(c_->lab[order[i - 1]]).left());
    QCOMPARE(twipsGeometry(c_->lab[0]).left(), 5160.0);
    QCOMPARE(twipsGeometry(c_->lab[2]).left(), 360.0);
}

void TestResultsWindow::menu_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("menu"); // the menu holding it; "" for the bar
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<bool>("enabled");
    const auto ctrl = [](Qt::Key key) { return QKeySequence(Qt::CTRL | key); };
    QTest::newRow("f") << "f"
                       << ""
                       << "ملف" << QKeySequence() << true;
    QTest::newRow("en") << "en"
                        << "f"
                        << "إنهاء" << ctrl(Qt::Key_Q) << true;
    QTest::newRow("fi") << "fi"
                        << ""
                        << "بحث وتصفح" << QKeySequence() << true;
    QTest::newRow("fik") << "fik"
                         << "fi"
                         << "بحث عن كلمة" << ctrl(Qt::Key_F) << true;
    QTest::newRow("fis") << "fis"
                         << "fi"
                         << "تصفح المصحف" << ctrl(Qt::Key_G) << false;
    QTest::newRow("co") << "co"
                        << ""
                        << "النسخ" << QKeySequence() << true;
    QTest::newRow("coa") << "coa"
                         << "co"
                         << "نسخ الآية" << ctrl(Qt::Key_C) << true;
    QTest::newRow("cot") << "cot"
                         << "co"
                         << "نسخ الآية و تفسيرها" << ctrl(Qt::Key_S) << true;
    QTest::newRow("com") << "com"
                         << "co"
                         << "نسخ المحدد" << QKeySequence() << true;
    QTest::newRow("cop_2") << "cop_2"
                           << "com"
                           << "الآيات فقط" << ctrl(Qt::Key_D) << true;
    QTest::newRow("cop_3") << "cop_3"
                           << "com"
                           << "الآيات وتفسيرها" << ctrl(Qt::Key_E) << true;
    QTest::newRow("tnsek") << "tnsek"
                           << ""
                           << "تنسيق" << QKeySequence() << true;
    QTest::newRow("hel") << "hel"
                         << ""
                         << "مساعدة" << QKeySequence() << true;
    QTest::newRow("help_1") << "help_1"
                            << "hel"
                            << "تعليمات" << QKeySequence(Qt::Key_F1) << false;
    QTest::newRow("he") << "he"
                        << "hel"
                        << "حول" << QKeySequence() << false;
}

void TestResultsWindow::menu() {
    QFETCH(QString, name);
    QFETCH(QString, menu);
    auto* item = window_->findChild<QAction*>(name);
    QVERIFY(item);
    QTEST(item->text(), "caption");
    QTEST(item->shortcut(), "shortcut");
    QTEST(item->isEnabled(), "enabled");
    QWidget* holder = menu.isEmpty() ? static_cast<QWidget*>(window_->menuBar())
                                     : window_->findChild<QMenu*>(menu);
    QVERIFY(holder);
    QVERIFY(holder->actions().contains(item));
}

void TestResultsWindow::layoutAtDesignSize() {
    QVERIFY(showActive(*window_));
    window_->ResizeInner(12000, 8000);
    window_->ResizeInner(8580, 6135);
    QCOMPARE(window_->ScaleWidth(), 8580.0);
    QCOMPARE(window_->ScaleHeight(), 6135.0);
    const auto rect = [](const QWidget* w) { return twipsGeometry(w); };
    QCOMPARE(rect(c_->Picture10), QRectF(50, 2305, 6179, 2850));
    QCOMPARE(rect(c_->List1), QRectF(6235, 0, 2295, 6129));
    QCOMPARE(rect(c_->Text1), QRectF(50, 0, 6179, 2285));
    QCOMPARE(rect(c_->Text2[0]).width(), 6179.0);
    QCOMPARE(rect(c_->Text2[1]).width(), 6179.0);
    QCOMPARE(rect(c_->Pic[0]).left(), 4664.0);
    QCOMPARE(rect(c_->Pic[1]).left(), 3159.0);
    QCOMPARE(rect(c_->Label1).left(), 1584.5);
    QCOMPARE(rect(c_->Label2).left(), 1584.5 - 1740 - 20);
    // The panel is narrower than the fact bar: the bar ends at the list.
    QCOMPARE(rect(c_->Picture2), QRectF(6235 - 6495, 5205, 6495, 735));
}

void TestResultsWindow::layoutThresholds_data() {
    QTest::addColumn<QSizeF>("inner");
    QTest::addColumn<QRectF>("picture10");
    QTest::addColumn<QRectF>("list1");
    QTest::addColumn<QRectF>("text1");
    QTest::addColumn<QRectF>("picture2");
    const QRectF p10(50, 2305, 6179, 2850), l1(6235, 0, 2295, 6129), t1(50, 0, 6179, 2285),
        p2(-260, 5205, 6495, 735);
    QTest::newRow("too narrow: nothing moves") << QSizeF(2490, 9000) << p10 << l1 << t1 << p2;
    QTest::newRow("too low: only across")
        << QSizeF(10005, 3765) << QRectF(50, 2305, 7604, 2850) << QRectF(7660, 0, 2295, 6129)
        << QRectF(50, 0, 7604, 2285) << QRectF(554.5, 5205, 6495, 735);
    // 3795 - (2850 + 1000) is no height: the verse box keeps its own, the
    // rules after it still apply.
    QTest::newRow("low: verse box keeps its height")
        << QSizeF(10005, 3795) << QRectF(50, 2305, 7604, 2850) << QRectF(7660, 0, 2295, 3789)
        << QRectF(50, 0, 7604, 2285) << QRectF(554.5, 5205, 6495, 735);
    QTest::newRow("large") << QSizeF(15000, 12000) << QRectF(50, 8170, 12599, 2850)
                           << QRectF(12655, 0, 2295, 11994) << QRectF(50, 0, 12599, 8150)
                           << QRectF(3052, 11070, 6495, 735);
}

void TestResultsWindow::layoutThresholds() {
    QFETCH(QSizeF, inner);
    QVERIFY(showActive(*window_));
    window_->ResizeInner(8580, 6135);
    window_->ResizeInner(inner.width(), inner.height());
    QCOMPARE(window_->ScaleWidth(), inner.width());
    QCOMPARE(window_->ScaleHeight(), inner.height());
    QTEST(twipsGeometry(c_->Picture10), "picture10");
    QTEST(twipsGeometry(c_->List1), "list1");
    QTEST(twipsGeometry(c_->Text1), "text1");
    QTEST(twipsGeometry(c_->Picture2), "picture2");
}

void TestResultsWindow::displayFontOnResize() {
    QVERIFY(showActive(*window_));
    QCOMPARE(c_->Text1->font().family(), QStringLiteral("DecoType Naskh Special"));
    QCOMPARE(c_->Text1->font().pointSizeF(), 25.0);
    QVERIFY(c_->Text1->font().bold());
    // The settings are read again on every resize; a failing bold step is
    // skipped and the name and size stay.
    writeFontFile({"Traditional Arabic", "22", "Yes"});
    window_->ResizeInner(9000, 6500);
    QCOMPARE(c_->Text1->font().family(), QStringLiteral("Traditional Arabic"));
    QCOMPARE(c_->Text1->font().pointSizeF(), 22.0);
    QVERIFY(c_->Text1->font().bold());
    // Below the least width the handler stops before the font.
    writeFontFile({"Andalus", "18", "False"});
    window_->ResizeInner(2400, 6500);
    QCOMPARE(c_->Text1->font().family(), QStringLiteral("Traditional Arabic"));
    window_->ResizeInner(9000, 6500);
    QCOMPARE(c_->Text1->font().family(), QStringLiteral("Andalus"));
    QCOMPARE(c_->Text1->font().pointSizeF(), 18.0);
    QVERIFY(!c_->Text1->font().bold());
}

void TestResultsWindow::showFoundVerse_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("searchWord");
    QTest::addColumn<int>("diacriticsMode");
    QTest::addColumn<QString>("selected"); // "" when nothing is selected
    QTest::addColumn<bool>("label2");
    const QString allahMarked = QStringLiteral("الل\u0651\u064Eه");
    QTest::newRow("bare word: its marks and one more")
        << 0 << QStringLiteral("الله") << 0 << allahMarked + QChar(0x0650) << true;
    QTest::newRow("with diacritics: as typed and one more")
        << 2 << allahMarked << 1 << allahMarked + QChar(0x0650) << false;
    // The box was checked after a search without diacritics.
    QTest::newRow("mode changed: bare word not in the marked text")
        << 0 << QStringLiteral("الله") << 1 << QString() << false;
    QTest::newRow("partial match at the very end")
        << 1 << QStringLiteral("البقرة10") << 0 << QStringLiteral("البقرة1") << true;
    QTest::newRow("empty word: the first character")
        << 3 << QString() << 0 << QStringLiteral(" ") << true;
    QTest::newRow("last entry") << 4 << QStringLiteral("الناس") << 0 << QStringLiteral("النّاسِ")
                                << true;
}

void TestResultsWindow::showFoundVerse() {
    QFETCH(int, row);
    QFETCH(QString, searchWord);
    QFETCH(int, diacriticsMode);
    QFETCH(QString, selected);
    QFETCH(bool, label2);
    const QList<VerseRecord> hits = fixtureHits();
    fill(hits);
    QVERIFY(showActive(*window_));
    SearchWord = searchWord;
    DiacriticsMode = quint8(diacriticsMode);
    c_->List1->setCurrentRow(row);

    const VerseRecord& v = hits[row];
    const QString name = surahName(v);
    QCOMPARE(c_->Text1->Text(),
             QStringLiteral(" {") + v.AyahText + QStringLiteral(" }") + name + v.AyahNo);
    QCOMPARE(c_->Text2[0]->Text(), v.Tafsir1);
    QCOMPARE(c_->Text2[1]->Text(), v.Tafsir2);
    const SurahRow* facts = surahRow(v.SurahNo.toInt());
    QCOMPARE(c_->lab[0]->text(), name);
    QCOMPARE(c_->lab[5]->text(), facts->medinan ? QStringLiteral("مدنية") : QStringLiteral("مكية"));
    QCOMPARE(c_->lab[1]->text(),
             QStringLiteral("عدد آياتها \r\n") + QString::number(facts->verseCount));
    QCOMPARE(c_->lab[3]->text(),
             QStringLiteral("عدد كلماتها  \r\n") + QString::number(facts->wordCount));
    QCOMPARE(c_->lab[4]->text(),
             QStringLiteral("عدد حروفها  \r\n") + QString::number(facts->letterCount));
    QCOMPARE(c_->lab[2]->text(),
             QStringLiteral("ترتيب التنزيل  \r\n") + QString::number(facts->revelationOrder));
    QCOMPARE(c_->Text1->textCursor().selectedText(), selected);
    if (!selected.isEmpty())
        QCOMPARE(c_->Text1->textCursor().selectionStart(),
                 c_->Text1->Text().indexOf(selected.left(selected.size() - 1)));
    QCOMPARE(c_->Label2->text(),
             label2 ? QStringLiteral("  ") + c_->List1->item(row)->text() : QString());
    QCOMPARE(c_->List2->currentRow(), row);
    QCOMPARE(c_->Label1->text(), QStringLiteral("تفسير الجلالين"));
    QCOMPARE(QApplication::focusWidget(), c_->Text1);
}

void TestResultsWindow::verseLabelKeepsToTheRight() {
    // At the smallest size the label starts left of the tafsir area; its
    // text ends at its right edge, by the tafsir's name, and stays whole.
    fill(fixtureHits());
    QVERIFY(showActive(*window_));
    SearchWord = QStringLiteral("الله");
    DiacriticsMode = 0;
    c_->List1->setCurrentRow(0);
    QVERIFY(!c_->Label2->text().isEmpty());
    const TextMargins m = textMargins(c_->Label2);
    QVERIFY(m.right < m.left);
    QVERIFY(c_->Label2->x() + m.left >= 0);
}

void TestResultsWindow::clickAndKeysShowTheEntry() {
    const QList<VerseRecord> hits = fixtureHits();
    fill(hits);
    QVERIFY(showActive(*window_));
    QListWidget* list = c_->List1;
    const QRect third = list->visualItemRect(list->item(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third.center());
    QCOMPARE(list->currentRow(), 2);
    QVERIFY(c_->Text1->Text().contains(hits[2].AyahText));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QVERIFY(c_->Text1->Text().contains(hits[3].AyahText));
    QCOMPARE(c_->lab[0]->text(), surahName(hits[3]));
}

void TestResultsWindow::tafsirTabs() {
    const QList<VerseRecord> hits = fixtureHits();
    fill(hits);
    QVERIFY(showActive(*window_));
    c_->List1->setCurrentRow(1);
    QTest::mouseClick(c_->Pic[1], Qt::LeftButton);
    QVERIFY(!c_->Text2[1]->isHidden());
    QVERIFY(c_->Text2[0]->isHidden());
    QCOMPARE(c_->Label1->text(), QStringLiteral("التفسير الميسر"));
    // The title follows the visible pane when the next hit is shown.
    c_->List1->setCurrentRow(2);
    QCOMPARE(c_->Label1->text(), QStringLiteral("التفسير الميسر"));
    QCOMPARE(c_->Text2[1]->Text(), hits[2].Tafsir2);
    // An empty second tafsir: the empty pane, no title.
    c_->List1->setCurrentRow(4);
    QTest::mouseClick(c_->Pic[1], Qt::LeftButton);
    QVERIFY(!c_->Text2[1]->isHidden());
    QCOMPARE(c_->Label1->text(), QString());
    QTest::mouseClick(c_->Pic[0], Qt::LeftButton);
    QVERIFY(!c_->Text2[0]->isHidden());
    QVERIFY(c_->Text2[1]->isHidden());
    QCOMPARE(c_->Label1->text(), QStringLiteral("تفسير الجلالين"));
}

void TestResultsWindow::marksReachTheHiddenList() {
    const QList<VerseRecord> hits = fixtureHits();
    fill(hits);
    QVERIFY(showActive(*window_));
    QListWidget* list = c_->List1;
    QVERIFY(list->item(0)->flags() & Qt::ItemIsUserCheckable);
    // A click on an entry's box marks it and leaves the shown entry alone.
    list->setCurrentRow(1);
    const QRect third = list->visualItemRect(list->item(2));
    QTest::mouseClick(
        list->viewport(), Qt::LeftButton, {},
        QPoint(list->isRightToLeft() ? third.right() - 8 : third.left() + 8, third.center().y()));
    QCOMPARE(list->item(2)->checkState(), Qt::Checked);
    list->item(4)->setCheckState(Qt::Checked);
    for (int i = 0; i < list->count(); ++i) {
        QCOMPARE(c_->List2->item(i)->checkState(), list->item(i)->checkState());
        QCOMPARE(c_->List2->item(i)->text(), hits[i].VerseId);
    }
    QCOMPARE(list->currentRow(), 1);
    list->item(2)->setCheckState(Qt::Unchecked);
    QCOMPARE(c_->List2->item(2)->checkState(), Qt::Unchecked);
}

void TestResultsWindow::resultsFileVanished() {
    fill(fixtureHits());
    QVERIFY(showActive(*window_));
    c_->List1->setCurrentRow(1);
    QVERIFY(!c_->Text1->Text().isEmpty());
    QVERIFY(QFile::remove(ResultsFilePath()));
    c_->List1->setCurrentRow(2);
    QCOMPARE(c_->Text1->Text(), QString());
    QCOMPARE(c_->Text2[0]->Text(), QString());
    QCOMPARE(c_->lab[0]->text(), QString());
    QVERIFY(!c_->Text1->textCursor().hasSelection());
    QCOMPARE(QApplication::focusWidget(), c_->Text1);
}

void TestResultsWindow::exitItemDisabledOnActivation() {
    window_->Menu().en->setEnabled(true);
    QVERIFY(showActive(*window_));
    QVERIFY(!window_->Menu().en->isEnabled());
    QWidget other;
    QVERIFY(showActive(other));
    window_->Menu().en->setEnabled(true);
    QVERIFY(showActive(*window_));
    QVERIFY(!window_->Menu().en->isEnabled());
}

void TestResultsWindow::closingEndsTheProgram_data() {
    QTest::addColumn<bool>("exitEnabled");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("working in the window: the program ends") << false << 0;
    QTest::newRow("left for the browser: only the window closes") << true << 7;
}

void TestResultsWindow::closingEndsTheProgram() {
    QFETCH(bool, exitEnabled);
    // Another window of the program stays open, as the browser does.
    QWidget browser;
    browser.show();
    QVERIFY(showActive(*window_));
    window_->Menu().en->setEnabled(exitEnabled);
    QTimer::singleShot(0, window_.get(), [this] { window_->close(); });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    giveUp.start(300);
    const int code = QApplication::exec();
    giveUp.stop();
    QTEST(code, "exitCode");
    QVERIFY(!window_->isVisible());
}

void TestResultsWindow::connectedCommand() {
    int runs = 0;
    QAction item;
    item.setEnabled(false);
    window_->ConnectCommand(&item, [&runs] { ++runs; });
    QVERIFY(item.isEnabled());
    item.trigger();
    QCOMPARE(runs, 1);
}

void TestResultsWindow::fontDialogFromTheMenu() {
    QVERIFY(showActive(*window_));
    TextBox browserText1;
    window_->SetBrowserVerseBox(&browserText1);
    writeFontFile({"Andalus", "19", "True"});
    window_->Menu().tnsek->trigger();
    auto* dialog = window_->findChild<FontDialog*>(QStringLiteral("tnsek_1"));
    QVERIFY(dialog);
    QCOMPARE(dialog->parentWidget(), window_.get());
    QVERIFY(dialog->isVisible());
    // Opening it with bold on applied the settings to both verse boxes.
    for (const QWidget* box :
         {static_cast<QWidget*>(c_->Text1), static_cast<QWidget*>(&browserText1)}) {
        QCOMPARE(box->font().family(), QStringLiteral("Andalus"));
        QCOMPARE(box->font().pointSizeF(), 19.0);
    }
    // Chosen again while open: the same dialog.
    window_->Menu().tnsek->trigger();
    QCOMPARE(window_->findChildren<FontDialog*>().size(), 1);
}

QTEST_MAIN(TestResultsWindow)
#include "test_results_window.moc"
