#include "common/twips_geometry.h"
#include "orvanta/search/find_dialog.h"
#include "orvanta/search/matching_walk.h"
#include "orvanta/search/results_window.h"
#include "orvanta/search/search_progress_box.h"
#include "orvanta/search/search_state.h"
#include "orvanta/search/word_search.h"
#include "orvanta/shell/font_substitutions.h"
#include "orvanta/shell/picture_button.h"
#include "orvanta/shell/shared_pictures.h"
#include "orvanta/shell/text_box.h"
#include "orvanta/shell/tile_picture.h"
#include "orvanta/store/app_dir.h"
#include "orvanta/store/user_files.h"
#include "search_fixture.h"
#include "support/message_box_watcher.h"
#include "support/paint_counter.h"
#include "support/show_active.h"
#include "support/text_margins.h"
#include "support/typing.h"
#include "support/widget_driving.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace {

// A box's face as a texture alone would paint it.
QImage face(const PictureBox* box, const QPixmap& texture) {
    PictureBox scratch;
    setTwipsGeometry(&scratch, twipsGeometry(box));
    scratch.SetBackColor(box->BackColor());
    TilePicture(&scratch, texture, 0, 0, twipsGeometry(box).width(), twipsGeometry(box).height());
    return scratch.Canvas().toImage();
}

QImage canvas(const PictureBox* box) {
    return box->Canvas().toImage();
}

// The pixels where two pictures of one size differ.
QRect difference(const QImage& a, const QImage& b) {
    QRect r;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace

class TestFindDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void designState();
    void wordAndCaptionPlaces();
    void advancedToggle();
    void activationResetsTheTag();
    void searchButtonFollowsTheText();
    void enterOnlyWithText();
    void diacriticsBoxSetsTheModeAtOnce();
    void scopeOptions();
    void combo3Refill_data();
    void combo3Refill();
    void hover();
    void searches_data();
    void searches();
    void twoSearchesInARow();
    void noHits();
    void resultsLocationNotWritable();
    void failedWriteKeepsTheOldHits();
    void duringASearch_data();
    void duringASearch();
    void fromTheMenu();

private:
    void type(const QString& word);
    void search();
    void checkResults(const QList<VerseRecord>& expected);

    std::unique_ptr<ResultsWindow> form1_;
    QPointer<FindDialog> find_;
    const FindControls* c_ = nullptr;
};

void TestFindDialog::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    SetAppDir(QStringLiteral(PROGRAM_DIR));
    InstallFontSubstitutions();
    builtVerses();
}

void TestFindDialog::init() {
    QFile::remove(ResultsFilePath());
    SearchWord.clear();
    DiacriticsMode = 0;
    form1_ = std::make_unique<ResultsWindow>();
    form1_->show();
    find_ = form1_->ShowFindDialog();
    QVERIFY(QTest::qWaitForWindowActive(find_));
    c_ = &find_->Controls();
}

void TestFindDialog::cleanup() {
    form1_.reset();
    QDir(ResultsFilePath()).removeRecursively();
    QFile::remove(ResultsFilePath());
}

void TestFindDialog::type(const QString& word) {
    c_->Text1->clear();
    typeText(c_->Text1, word);
}

void TestFindDialog::wordAndCaptionPlaces() {
    // The word typed starts at the box's right edge, as Arabic does; the
    // caption keeps to its left, beside the box, clear of the frame.
    QVERIFY(showActive(*find_));
    typeText(c_->Text1, QStringLiteral("الرحيم"));
    // The dark pixels of the word lie in the box's right half.
    const QImage box = c_->Text1->grab().toImage();
    int first = box.width();
    int last = -1;
    for (int y = 3; y < box.height() - 3; ++y) {
        for (int x = 3; x < box.width() - 3; ++x) {
            if (qGray(box.pixel(x, y)) < 110) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    QVERIFY(last >= 0);
    QVERIFY2(
        first > box.width() / 2,
        qPrintable(
            QStringLiteral("the word spans %1 to %2 of %3").arg(first).arg(last).arg(box.width())));
    const TextMargins caption = textMargins(c_->Label1);
    QVERIFY(caption.left < caption.right);
}

void TestFindDialog::search() {
    QTest::mouseClick(c_->Picture2_1, Qt::LeftButton);
}

void TestFindDialog::checkResults(const QList<VerseRecord>& expected) {
    const ResultsControls& r = form1_->Controls();
    QCOMPARE(readRecords(ResultsFilePath()), expected);
    QCOMPARE(r.List1->count(), expected.size());
    QCOMPARE(r.List2->count(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(r.List1->item(i)->text(), entryText(expected[i]));
        QCOMPARE(r.List2->item(i)->text(), expected[i].VerseId);
    }
    QCOMPARE(c_->Label4->text(), SearchResultsText(expected.size()));
    QVERIFY(c_->Picture2_0->isEnabled());
    QCOMPARE(find_->cursor().shape(), Qt::ArrowCursor);
}

void TestFindDialog::designState() {
    QCOMPARE(find_->objectName(), QStringLiteral("frmFind"));
    QCOMPARE(find_->windowTitle(), QStringLiteral("بحث عن كلمة في المصحف"));
    QCOMPARE(find_->parentWidget(), form1_.get());
    QVERIFY(find_->isWindow());
    QVERIFY(!(find_->windowFlags() & Qt::WindowMinMaxButtonsHint));
    QCOMPARE(find_->OuterHeight(), 1995.0);
    QCOMPARE(find_->width() * twipsPerPixel(find_), 5505.0);
    QCOMPARE(find_->minimumSize(), find_->maximumSize());
    const auto rect = [this](const char* name) {
        return twipsGeometry(find_->findChild<QWidget*>(QLatin1String(name)));
    };
    QCOMPARE(rect("Shape1"), QRectF(120, 80, 5295, 1335));
    QCOMPARE(rect("Text1"), QRectF(2160, 240, 2295, 375));
    QCOMPARE(rect("Picture2(1)"), QRectF(1200, 240, 735, 350));
    QCOMPARE(rect("Picture2(0)"), QRectF(240, 240, 735, 350));
    QCOMPARE(rect("Picture2(2)"), QRectF(240, 960, 495, 350));
    QCOMPARE(rect("Picture1"), QRectF(840, 1200, 4455, 135));
    QCOMPARE(rect("Check1"), QRectF(120, 1680, 1335, 255));
    QCOMPARE(rect("Combo1"), QRectF(3000, 2100, 735, 315));
    QCOMPARE(rect("Frame1"), QRectF(1920, 2520, 1815, 300));
    QCOMPARE(rect("Combo2"), QRectF(1080, 0, 735, 315));
    QCOMPARE(c_->Label1->text(), QStringLiteral("بحث عن :"));
    QCOMPARE(c_->Picture2_1->Caption()->text(), QStringLiteral("بحث"));
    QCOMPARE(c_->Picture2_0->Caption()->text(), QStringLiteral("إغلاق"));
    QCOMPARE(c_->Check1->text(), QStringLiteral("بحث بالحركات"));
    QCOMPARE(c_->Option1->text(), QStringLiteral("بحث في كل المصحف"));
    QCOMPARE(c_->Option2->text(), QStringLiteral("بحث في الجزء"));
    QCOMPARE(c_->Option3->text(), QStringLiteral("بحث بين الجزءين"));
    QCOMPARE(c_->Label2->text(), QStringLiteral("و"));
    QCOMPARE(c_->Text1->text(), QString());
    QCOMPARE(c_->Label4->text(), QString());
    QVERIFY(!c_->Picture2_1->isEnabled());
    QVERIFY(!c_->Check1->isChecked());
    QVERIFY(c_->Option1->isChecked());
    QVERIFY(c_->Combo1->isHidden());
    QVERIFY(c_->Frame1->isHidden());
    QCOMPARE(find_->Tag(), QStringLiteral(">>"));
    QCOMPARE(c_->Combo1->count(), 30);
    QCOMPARE(c_->Combo1->currentText(), QStringLiteral("1"));
    QCOMPARE(c_->Combo2->count(), 30);
    QCOMPARE(c_->Combo3->count(), 29);
    QCOMPARE(c_->Combo3->itemText(0), QStringLiteral("2"));
    QCOMPARE(c_->Combo3->currentText(), QStringLiteral("2"));
    QVERIFY(c_->Combo1->isEditable());
    QCOMPARE(QApplication::focusWidget(), c_->Text1);
}

void TestFindDialog::advancedToggle() {
    const double perPixel = twipsPerPixel(find_);
    const auto innerHeight = [&] { return find_->height() * perPixel; };
    // Collapsed, the rows from 1680 down lie outside the dialog.
    QVERIFY(innerHeight() < 1680);
    QVERIFY(innerHeight() > 1415); // the backdrop's bottom
    const QImage collapsedFace = canvas(c_->Picture2_2);
    QTest::mouseClick(c_->Picture2_2, Qt::LeftButton);
    QCOMPARE(find_->Tag(), QStringLiteral("<<"));
    QCOMPARE(find_->OuterHeight(), 3525.0);
    QVERIFY(innerHeight() > 2520 + 315);
    QCOMPARE(find_->width() * perPixel, 5505.0);
    QTest::mouseClick(c_->Picture2_2, Qt::LeftButton);
    QCOMPARE(find_->Tag(), QStringLiteral(">>"));
    QCOMPARE(find_->OuterHeight(), 1995.0);
    QVERIFY(innerHeight() < 1680);
    // Each tag is printed on a fresh face, never over the other.
    QCOMPARE(canvas(c_->Picture2_2), collapsedFace);

    // The tag is printed in the middle of the toggle.
    const QRect ink =
        difference(canvas(c_->Picture2_2), face(c_->Picture2_2, pictures::NormalButtonTexture()));
    QVERIFY(!ink.isEmpty());
    const QPoint centre = c_->Picture2_2->rect().center();
    QVERIFY2(qAbs(ink.center().x() - centre.x()) <= 2,
             qPrintable(QString::number(ink.center().x())));
    QVERIFY(qAbs(ink.center().y() - centre.y()) <= 3);
}

void TestFindDialog::activationResetsTheTag() {
    QTest::mouseClick(c_->Picture2_2, Qt::LeftButton);
    QCOMPARE(find_->Tag(), QStringLiteral("<<"));
    QWidget other;
    QVERIFY(showActive(other));
    QVERIFY(showActive(*find_));
    // Still expanded, but the tag reads ">>" again.
    QCOMPARE(find_->Tag(), QStringLiteral(">>"));
    QCOMPARE(find_->OuterHeight(), 3525.0);
    QCOMPARE(QApplication::focusWidget(), c_->Text1);
    QTest::mouseClick(c_->Picture2_2, Qt::LeftButton);
    QCOMPARE(find_->Tag(), QStringLiteral("<<"));
    QCOMPARE(find_->OuterHeight(), 3525.0);
    QTest::mouseClick(c_->Picture2_2, Qt::LeftButton);
    QCOMPARE(find_->Tag(), QStringLiteral(">>"));
    QCOMPARE(find_->OuterHeight(), 1995.0);
}

void TestFindDialog::searchButtonFollowsTheText() {
    PictureButton* button = c_->Picture2_1;
    const QImage background = face(button, pictures::BackgroundTexture());
    const QImage normal = face(button, pictures::NormalButtonTexture());
    QVERIFY(!button->isEnabled());
    QCOMPARE(canvas(button), background);
    typeText(c_->Text1, QStringLiteral("ب"));
    QVERIFY(button->isEnabled());
    QCOMPARE(canvas(button), normal);
    QTest::keyClick(c_->Text1, Qt::Key_Backspace);
    QVERIFY(!button->isEnabled());
    QCOMPARE(canvas(button), background);
    // A disabled button takes no click: no search runs.
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button->Caption(), Qt::LeftButton);
    QCOMPARE(c_->Label4->text(), QString());
    QVERIFY(!QFile::exists(ResultsFilePath()));
}

void TestFindDialog::enterOnlyWithText() {
    QTest::keyClick(c_->Text1, Qt::Key_Return);
    QCOMPARE(c_->Label4->text(), QString());
    QVERIFY(!QFile::exists(ResultsFilePath()));
    typeText(c_->Text1, QStringLiteral("قنطار"));
    QTest::keyClick(c_->Text1, Qt::Key_Return);
    QCOMPARE(c_->Label4->text(), QStringLiteral("نتائج البحث 2"));
    QCOMPARE(form1_->Controls().List1->count(), 2);
}

void TestFindDialog::diacriticsBoxSetsTheModeAtOnce() {
    QTest::mouseClick(c_->Picture2_2, Qt::LeftButton);
    QTest::mouseClick(c_->Check1, Qt::LeftButton);
    QVERIFY(c_->Check1->isChecked());
    QCOMPARE(int(DiacriticsMode), 1);
    // Closed and shown again: the box is unchecked, the mode stays.
    find_->close();
    QTRY_VERIFY(find_.isNull());
    find_ = form1_->ShowFindDialog();
    c_ = &find_->Controls();
    QVERIFY(!c_->Check1->isChecked());
    QCOMPARE(find_->OuterHeight(), 1995.0);
    QCOMPARE(int(DiacriticsMode), 1);
    QTest::mouseClick(c_->Picture2_2, Qt::LeftButton);
    QTest::mouseClick(c_->Check1, Qt::LeftButton);
    QTest::mouseClick(c_->Check1, Qt::LeftButton);
    QCOMPARE(int(DiacriticsMode), 0);
}

void TestFindDialog::scopeOptions() {
    QTest::mouseClick(c_->Picture2_2, Qt::LeftButton);
    QTest::mouseClick(c_->Option2, Qt::LeftButton);
    QVERIFY(!c_->Combo1->isHidden());
    QVERIFY(c_->Frame1->isHidden());
    QTest::mouseClick(c_->Option3, Qt::LeftButton);
    QVERIFY(c_->Combo1->isHidden());
    QVERIFY(!c_->Frame1->isHidden());
    QVERIFY(!c_->Option2->isChecked());
    QTest::mouseClick(c_->Option1, Qt::LeftButton);
    QVERIFY(c_->Combo1->isHidden());
    QVERIFY(c_->Frame1->isHidden());
}

void TestFindDialog::combo3Refill_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QStringList>("last");
    QStringList from8;
    for (int v = 8; v <= 30; ++v)
        from8 << QString::number(v);
    QTest::newRow("7") << "7" << from8;
    QTest::newRow("29") << "29" << QStringList{"30"};
    QTest::newRow("30") << "30" << QStringList{};
}

void TestFindDialog::combo3Refill() {
    QFETCH(QString, first);
    QFETCH(QStringList, last);
    QTest::mouseClick(c_->Picture2_2, Qt::LeftButton);
    QTest::mouseClick(c_->Option3, Qt::LeftButton);
    chooseEntry(c_->Combo2, first);
    QCOMPARE(c_->Combo2->currentText(), first);
    QStringList items;
    for (int i = 0; i < c_->Combo3->count(); ++i)
        items << c_->Combo3->itemText(i);
    QCOMPARE(items, last);
    QCOMPARE(c_->Combo3->currentText(), last.value(0));
}

void TestFindDialog::hover() {
    PictureButton* close = c_->Picture2_0;
    PictureBox* toggle = c_->Picture2_2;
    moveOver(close);
    QCOMPARE(close->BorderStyle(), 1);
    QCOMPARE(canvas(close), face(close, pictures::HotButtonTexture()));
    // Straight onto the toggle: both stay highlighted.
    moveOver(toggle);
    QCOMPARE(close->BorderStyle(), 1);
    QCOMPARE(toggle->BorderStyle(), 1);
    // Labels and boxes are not the surface.
    moveOver(c_->Label1);
    QCOMPARE(close->BorderStyle(), 1);
    // The backdrop counts as surface.
    QTest::mouseMove(find_, c_->Shape1->geometry().center());
    moveOver(find_);
    QCOMPARE(close->BorderStyle(), 0);
    QCOMPARE(toggle->BorderStyle(), 0);
    QCOMPARE(canvas(close), face(close, pictures::NormalButtonTexture()));
    // The tag is printed again over the normal face.
    QVERIFY(!difference(canvas(toggle), face(toggle, pictures::NormalButtonTexture())).isEmpty());
}

void TestFindDialog::searches_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("diacritics");
    QTest::addColumn<SearchScope>("scope");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("selected"); // in the first hit
    const auto whole = SearchScope::WholeMushaf;
    const QString allahMarked = QStringLiteral("الل\u0651\u064Eه");
    QTest::newRow("without diacritics") << QStringLiteral("الله") << false << whole << ""
                                        << "" << allahMarked + QChar(0x0650);
    QTest::newRow("with diacritics") << allahMarked << true << whole << ""
                                     << "" << allahMarked + QChar(0x0650);
    QTest::newRow("marked word without diacritics") << allahMarked << false << whole << ""
                                                    << ""
                                                    << "";
    QTest::newRow("between juz 5 and 7")
        << QStringLiteral("موسى") << false << SearchScope::JuzRange << "5"
        << "7" << QStringLiteral("موسى ");
    QTest::newRow("between juz 7 and 5")
        << QStringLiteral("موسى") << false << SearchScope::JuzRange << "7"
        << "5"
        << "";
    QTest::newRow("juz 30") << QStringLiteral("الله") << false << SearchScope::OneJuz << "30"
                            << "" << allahMarked + QChar(0x064F);
    // The blanks are part of the word: the character after the second one
    // is selected too.
    QTest::newRow("blanks around") << QStringLiteral(" من ") << false << whole << ""
                                   << "" << QStringLiteral(" مِن ق");
}

void TestFindDialog::searches() {
    QFETCH(QString, word);
    QFETCH(bool, diacritics);
    QFETCH(SearchScope, scope);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, selected);
    QTest::mouseClick(c_->Picture2_2, Qt::LeftButton);
    if (diacritics)
        QTest::mouseClick(c_->Check1, Qt::LeftButton);
    if (scope == SearchScope::OneJuz) {
        QTest::mouseClick(c_->Option2, Qt::LeftButton);
        c_->Combo1->setCurrentText(first);
    } else if (scope == SearchScope::JuzRange) {
        QTest::mouseClick(c_->Option3, Qt::LeftButton);
        c_->Combo2->setCurrentText(first);
        c_->Combo3->setCurrentText(last);
    }
    type(word);
    search();

    // The hits are worked out from the row itself, not from the dialog's
    // controls, so a control the search misreads cannot pass.
    SearchRequest wanted;
    wanted.Text1 = word;
    wanted.Check1 = diacritics ? 1 : 0;
    wanted.Scope = scope;
    if (scope == SearchScope::OneJuz) {
        wanted.Combo1 = first;
    } else if (scope == SearchScope::JuzRange) {
        wanted.Combo2 = first;
        wanted.Combo3 = last;
    }
    const SearchRequest request = find_->Request();
    QCOMPARE(request.Scope, scope);
    QCOMPARE(request.Text1, word);
    QCOMPARE(request.Check1, wanted.Check1);
    const QList<VerseRecord> expected = expectedHits(wanted);
    // A row with a selection expects hits: it cannot pass by finding none.
    QCOMPARE(expected.isEmpty(), selected.isEmpty());
    checkResults(expected);
    QCOMPARE(c_->Picture1->Count(), 6236);

    const ResultsControls& r = form1_->Controls();
    if (expected.isEmpty()) {
        QCOMPARE(r.Text1->Text(), QString());
        QCOMPARE(r.lab[0]->text(), QString());
        return;
    }
    const VerseRecord& hit = expected.first();
    QCOMPARE(r.List1->currentRow(), 0);
    QVERIFY(r.Text1->Text().contains(hit.AyahText));
    QCOMPARE(r.Text1->textCursor().selectedText(), selected);
    QCOMPARE(r.Label2->text(), diacritics ? QString() : QStringLiteral("  ") + entryText(hit));
    QCOMPARE(form1_->focusWidget(), r.Text1);
}

void TestFindDialog::twoSearchesInARow() {
    type(QStringLiteral("موسى"));
    search();
    QCOMPARE(form1_->Controls().List1->count(), 131);
    type(QStringLiteral("يوسف"));
    search();
    const QList<VerseRecord> expected = expectedHits({QStringLiteral("يوسف")});
    checkResults(expected);
    QVERIFY(form1_->Controls().Text1->Text().contains(expected.first().AyahText));
    QCOMPARE(SearchWord, QStringLiteral("يوسف"));
}

void TestFindDialog::noHits() {
    type(QStringLiteral("موسى"));
    search();
    type(QStringLiteral("qqq"));
    search();
    checkResults({});
    QCOMPARE(c_->Label4->text(), QStringLiteral("نتائج البحث 0"));
    QCOMPARE(QFileInfo(ResultsFilePath()).size(), 0);
    QCOMPARE(form1_->Controls().Text1->Text(), QString());
    QCOMPARE(form1_->Controls().Label2->text(), QString());
}

void TestFindDialog::resultsLocationNotWritable() {
    type(QStringLiteral("موسى"));
    search();
    QCOMPARE(form1_->Controls().List1->count(), 131);
    QFile::remove(ResultsFilePath());
    QVERIFY(QDir().mkpath(ResultsFilePath() + QStringLiteral("/taken")));
    MessageBoxWatcher boxes;
    type(QStringLiteral("يوسف"));
    search();
    QCOMPARE(boxes.seen().size(), 1);
    QCOMPARE(boxes.seen().first().title, QStringLiteral("عفوا"));
    QCOMPARE(boxes.seen().first().text, kResultsNotSavedText);
    QCOMPARE(boxes.seen().first().icon, QMessageBox::NoIcon);
    QCOMPARE(c_->Label4->text(), kResultsNotSavedText);
    QCOMPARE(form1_->Controls().List1->count(), 0);
    QCOMPARE(form1_->Controls().List2->count(), 0);
    QCOMPARE(form1_->Controls().Text1->Text(), QString());
    QVERIFY(c_->Picture2_0->isEnabled());
    QCOMPARE(find_->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(!WordSearchRunning());
}

void TestFindDialog::failedWriteKeepsTheOldHits() {
    type(QStringLiteral("موسى"));
    search();
    const QByteArray old = fileBytes(ResultsFilePath());
    MessageBoxWatcher boxes;
    {
        const FileSizeLimit limit(60 * 1000);
        type(QStringLiteral("الله"));
        search();
    }
    QCOMPARE(boxes.seen().size(), 1);
    // The old hits are still in the file but are not listed as new ones.
    QCOMPARE(fileBytes(ResultsFilePath()), old);
    QCOMPARE(form1_->Controls().List1->count(), 0);
    QCOMPARE(c_->Label4->text(), kResultsNotSavedText);
}

void TestFindDialog::duringASearch_data() {
    QTest::addColumn<bool>("diacritics");
    QTest::addColumn<QString>("status"); // Label4 half way
    QTest::newRow("without diacritics: the count") << false << QStringLiteral("نتائج البحث");
    QTest::newRow("with diacritics: please wait") << true << kSearchWaitText;
}

void TestFindDialog::duringASearch() {
    QFETCH(bool, diacritics);
    QFETCH(QString, status);
    const ResultsControls& r = form1_->Controls();
    // The copy command of the menu confirms with a message box.
    MessageBoxWatcher boxes;
    int copies = 0;
    form1_->ConnectCommand(form1_->Menu().coa, [&copies] { ++copies; });
    type(QStringLiteral("يوسف"));
    search();
    QVERIFY(r.List1->count() > 3);
    const QString shown = r.Text1->Text();

    if (diacritics) {
        QTest::mouseClick(c_->Picture2_2, Qt::LeftButton);
        QTest::mouseClick(c_->Check1, Qt::LeftButton);
    }
    type(QStringLiteral("موسى"));
    int firings = 0;
    QString statusSeen;
    bool closeEnabled = true;
    Qt::CursorShape pointer = Qt::ArrowCursor;
    int progressSeen = 0;
    QTimer meddler;
    meddler.setInterval(0);
    connect(&meddler, &QTimer::timeout, [&] {
        if (!WordSearchRunning())
            return;
        ++firings;
        if (firings == 1) {
            // Before the lists are emptied: a click on an entry is dropped.
            const QRect entry = r.List1->visualItemRect(r.List1->item(3));
            QTest::mouseClick(r.List1->viewport(), Qt::LeftButton, {}, entry.center());
            QCOMPARE(r.List1->currentRow(), 0);
            QCOMPARE(r.Text1->Text(), shown);
        }
        if (firings == 2000) {
            // The status line follows at the screen's pace.
            QTest::qWait(40);
            statusSeen = c_->Label4->text();
            closeEnabled = c_->Picture2_0->isEnabled();
            pointer = find_->cursor().shape();
            progressSeen = c_->Picture1->Count();
            // Another search, by Enter and by the button, a copy command and
            // closing the dialog: all ignored.
            c_->Text1->setText(QStringLiteral("الله"));
            QTest::keyClick(c_->Text1, Qt::Key_Return);
            QTest::mouseClick(c_->Picture2_1, Qt::LeftButton);
            form1_->Menu().coa->trigger();
            find_->close();
        }
    });
    PaintCounter counter;
    c_->Picture1->installEventFilter(&counter);
    meddler.start();
    search();
    meddler.stop();
    c_->Picture1->removeEventFilter(&counter);

    QVERIFY(firings >= 2000);
    QVERIFY(statusSeen.startsWith(status));
    QVERIFY(!closeEnabled);
    QCOMPARE(pointer, Qt::WaitCursor);
    QVERIFY(progressSeen > 1000 && progressSeen < 6236);
    // The bar is drawn at the screen's pace, not once per record.
    QVERIFY2(counter.paints < 200, qPrintable(QString::number(counter.paints)));
    QCOMPARE(copies, 0);
    QVERIFY(!find_.isNull());
    SearchRequest request{QStringLiteral("موسى")};
    request.Check1 = diacritics ? 1 : 0;
    checkResults(expectedHits(request));
    QVERIFY(r.Text1->Text() != shown);
    QCOMPARE(r.List1->currentRow(), 0);
    QVERIFY(boxes.seen().isEmpty());
    form1_->Menu().coa->trigger();
    QCOMPARE(copies, 1);
    QCOMPARE(boxes.seen().size(), 1);
    QCOMPARE(boxes.seen().first().title, QStringLiteral("Orvanta"));
}

void TestFindDialog::fromTheMenu() {
    find_->close();
    QTRY_VERIFY(find_.isNull());
    QVERIFY(showActive(*form1_));
    form1_->Menu().fik->trigger();
    find_ = form1_->FindDialogShown();
    QVERIFY(find_);
    QVERIFY(QTest::qWaitForWindowActive(find_));
    QCOMPARE(find_->parentWidget(), form1_.get());
    QCOMPARE(find_->Controls().Text1->text(), QString());
    // Shown again while open: the same dialog.
    form1_->Menu().fik->trigger();
    QCOMPARE(form1_->FindDialogShown(), find_.data());
}

QTEST_MAIN(TestFindDialog)
#include "test_find_dialog.moc"
