#include "browser_driving.h"
#include "common/twips_geometry.h"
#include "orvanta/browser/back_to_results.h"
#include "orvanta/browser/browser_window.h"
#include "orvanta/browser/build_runner.h"
#include "orvanta/browser/page_text.h"
#include "orvanta/shell/font_dialog.h"
#include "orvanta/shell/font_substitutions.h"
#include "orvanta/shell/picture_button.h"
#include "orvanta/shell/shared_pictures.h"
#include "orvanta/shell/text_box.h"
#include "orvanta/store/app_dir.h"
#include "support/text_margins.h"
#include "support/typing.h"
#include "tests/orvanta/font_file.h"
#include "verses.h"

#include <QComboBox>
#include <QCursor>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

namespace {

// Picks a page from Combo4's drop-down list with the mouse, as a user does.
void chooseFromList(QComboBox* combo, int page) {
    chooseEntry(combo, page - 1);
}

} // namespace

class TestBrowserWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void designRectangles_data();
    void designRectangles();
    void pageChoiceList();
    void captionsKeepToTheRight();
    void initialStateAtDesignSize();
    void rangeLayoutAtDesignSize();
    void pageView_data();
    void pageView();
    void pageViewResize();
    void samePageTwice();
    void slide_data();
    void slide();
    void choiceDuringTheSlide();
    void typingChoosesNothing();
    void keyboardChoice();
    void displayFont();
    void pageTextCentred();
    void activationReturnsToTheInitialState();
    void hover();
    void formatCommand_data();
    void formatCommand();
    void pointerToAnArea_data();
    void pointerToAnArea();

private:
    std::unique_ptr<BrowserWindow> window_;
    const BrowserControls* c_ = nullptr;
};

void TestBrowserWindow::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    SetAppDir(QStringLiteral(PROGRAM_DIR));
    InstallFontSubstitutions();
}

void TestBrowserWindow::init() {
    writeFontFile({});
    window_ = std::make_unique<BrowserWindow>();
    c_ = &window_->Controls();
}

void TestBrowserWindow::cleanup() {
    window_.reset();
    writeFontFile({});
}

void TestBrowserWindow::designRectangles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRectF>("rect");
    QTest::newRow("Combo4") << "Combo4"
                            << "Picture2(0)" << QRectF(600, 240, 1095, 315);
    QTest::newRow("Label8") << "Label8"
                            << "Picture2(0)" << QRectF(1680, 240, 1095, 255);
    QTest::newRow("Label5") << "Label5"
                            << "Picture2(0)" << QRectF(480, 120, 2445, 555);
    QTest::newRow("Label4") << "Label4"
                            << "Picture2(0)" << QRectF(4800, 840, 3255, 255);
    QTest::newRow("Image3") << "Image3"
                            << "Picture2(0)" << QRectF(4800, 120, 3360, 555);
    QTest::newRow("Picture2(1)") << "Picture2(1)"
                                 << "Picture2(0)" << QRectF(480, 760, 735, 350);
    QTest::newRow("Picture2(3)") << "Picture2(3)"
                                 << "Picture2(0)" << QRectF(2280, 760, 735, 350);
    QTest::newRow("Text2(0)") << "Text2(0)"
                              << "Picture10" << QRectF(0, 430, 8714, 2415);
    QTest::newRow("Text2(1)") << "Text2(1)"
                              << "Picture10" << QRectF(0, 430, 8714, 2415);
    QTest::newRow("Label6") << "Label6"
                            << "Picture10" << QRectF(1092, 150, 1740, 270);
    QTest::newRow("Text1") << "Text1"
                           << "Form2" << QRectF(0, 1150, 8714, 565);
    QTest::newRow("List1") << "List1"
                           << "Form2" << QRectF(8770, 1150, 735, 3609);
    QTest::newRow("Picture10") << "Picture10"
                               << "Form2" << QRectF(0, 1715, 8714, 2850);
    QTest::newRow("Picture2(0)") << "Picture2(0)"
                                 << "Form2" << QRectF(510, 1807.5, 8535, 1215);
}

void TestBrowserWindow::designRectangles() {
    // Where every control stands after the window's first layout at its
    // design size, read back in twips exactly.
    QFETCH(QString, name);
    QFETCH(QString, parent);
    auto* control = window_->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QTEST(twipsGeometry(control), "rect");
}

void TestBrowserWindow::captionsKeepToTheRight() {
    // Right-aligned captions of a right-to-left window end at their right
    // edge, by their combo boxes, as Arabic captions do; and they are whole.
    QVERIFY(showActive(*window_));
    for (QLabel* caption : {c_->Label1, c_->Label2, c_->Label8}) {
        const TextMargins m = textMargins(caption);
        const QString where = QStringLiteral("%1: margins %2, %3; text %4 of %5 pixels")
                                  .arg(caption->objectName())
                                  .arg(m.left)
                                  .arg(m.right)
                                  .arg(caption->sizeHint().width())
                                  .arg(caption->width());
        QVERIFY2(caption->sizeHint().width() <= caption->width(), qPrintable(where));
        QVERIFY2(m.right < m.left, qPrintable(where));
    }
}

void TestBrowserWindow::pageChoiceList() {
    QCOMPARE(window_->objectName(), QStringLiteral("Form2"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("تصفح المصحف"));
    QCOMPARE(window_->layoutDirection(), Qt::RightToLeft);
    QComboBox* combo = c_->Combo4;
    QCOMPARE(combo->count(), 604);
    for (int i = 0; i < combo->count(); ++i)
        QCOMPARE(combo->itemText(i), QString::number(i + 1));
    QCOMPARE(combo->currentText(), QStringLiteral("1"));
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(c_->Label8->text(), QStringLiteral("بحث بالصفحة"));
    QCOMPARE(c_->Text1->toolTip(), QStringLiteral("الآيات"));
    QCOMPARE(c_->List1->toolTip(), QStringLiteral("فهرس الآيات"));
}

void TestBrowserWindow::initialStateAtDesignSize() {
    QVERIFY(showActive(*window_));
    QCOMPARE(window_->ScaleWidth(), 9555.0);
    QCOMPARE(window_->ScaleHeight(), 4830.0);
    QCOMPARE(twipsGeometry(c_->Picture2_0).left(), 510.0);
    QCOMPARE(twipsGeometry(c_->Picture2_0).top(), 1807.5);
    QCOMPARE(c_->Picture2_0->BorderStyle(), 1);
    QVERIFY(c_->Picture2_0->isVisible());
    QVERIFY(!c_->Text1->isVisible());
    QVERIFY(!c_->List1->isVisible());
    QVERIFY(!c_->Picture10->isVisible());
    QCOMPARE(window_->ViewMode(), 0);
}

void TestBrowserWindow::rangeLayoutAtDesignSize() {
    QVERIFY(showActive(*window_));
    window_->resize(900, 600);
    window_->resize(637, 322); // back to 9555 x 4830 twips
    QCOMPARE(twipsGeometry(c_->Picture10).width(), 8714.0);
    QCOMPARE(twipsGeometry(c_->Text1).width(), 8714.0);
    QCOMPARE(twipsGeometry(c_->List1).left(), 8770.0);
    QCOMPARE(twipsGeometry(c_->Pic[0]).left(), 7199.0);
    QCOMPARE(twipsGeometry(c_->Pic[1]).left(), 5694.0);
    QCOMPARE(twipsGeometry(c_->Label3_0).left(), 2852.0);
    QCOMPARE(twipsGeometry(c_->Text1).height(), 565.0);
    QCOMPARE(twipsGeometry(c_->Picture10).top(), 1715.0);
    QCOMPARE(twipsGeometry(c_->List1).height(), 3609.0);
    // The panel is centred across, never moved up or down by a resize.
    QCOMPARE(twipsGeometry(c_->Picture2_0).left(), 510.0);
    QCOMPARE(twipsGeometry(c_->Picture2_0).top(), 1807.5);
}

void TestBrowserWindow::pageView_data() {
    QTest::addColumn<int>("page");
    QTest::newRow("first page") << 1;
    QTest::newRow("page starting inside a surah") << 3;
    QTest::newRow("surah ends, next begins") << 106;
    QTest::newRow("last page") << 604;
}

void TestBrowserWindow::pageView() {
    QFETCH(int, page);
    QVERIFY(showActive(*window_));
    chooseFromList(c_->Combo4, page);
    QVERIFY(!window_->Builds()->Running());
    QCOMPARE(c_->Combo4->currentText(), QString::number(page));
    QCOMPARE(c_->Text1->Text(), PageText(builtVerseFile(), page));
    QVERIFY(c_->Text1->Text().endsWith(QStringLiteral("} ")));
    QCOMPARE(c_->Label4->text(), QStringLiteral("هذه الصفحة رقم ") + QString::number(page));
    QCOMPARE(window_->ViewMode(), 1);
    QCOMPARE(twipsGeometry(c_->Picture2_0).top(), 0.0);
    QCOMPARE(c_->Picture2_0->BorderStyle(), 0);
    QVERIFY(c_->Text1->isVisible());
    QVERIFY(c_->List1->isVisible());
    QVERIFY(c_->Picture10->isVisible());
    QCOMPARE(c_->List1->count(), 0);
    QCOMPARE(c_->Text2[0]->Text(), QString());
    QCOMPARE(c_->Text2[1]->Text(), QString());
    QCOMPARE(c_->Label6->text(), QString());
    QCOMPARE(twipsGeometry(c_->Text1), QRectF(0, 1150, 9549, 3605));
}

void TestBrowserWindow::pageViewResize() {
    QVERIFY(showActive(*window_));
    chooseFromList(c_->Combo4, 2);
    window_->resize(1000, 700);
    QCOMPARE(twipsGeometry(c_->Text1).width(), 1000 * 15.0 - 6);
    QCOMPARE(twipsGeometry(c_->Text1).height(), 700 * 15.0 - 1215 - 10);
    QCOMPARE(twipsGeometry(c_->Picture2_0).left(), (15000 - 8535) / 2.0);
    QCOMPARE(twipsGeometry(c_->Picture2_0).top(), 0.0);
    window_->resize(637, 322);
    QCOMPARE(twipsGeometry(c_->Text1).width(), 9549.0);
    QCOMPARE(twipsGeometry(c_->Text1).height(), 3605.0);
    // The tafsir area and the index stay where the last range layout put
    // them.
    QCOMPARE(twipsGeometry(c_->Picture10).width(), 8714.0);
    QCOMPARE(twipsGeometry(c_->List1).left(), 8770.0);
}

void TestBrowserWindow::samePageTwice() {
    QVERIFY(showActive(*window_));
    chooseFromList(c_->Combo4, 50);
    const QString first = c_->Text1->Text();
    QVERIFY(!first.isEmpty());
    chooseFromList(c_->Combo4, 50);
    QCOMPARE(c_->Text1->Text(), first);
    QCOMPARE(first, PageText(builtVerseFile(), 50));
}

void TestBrowserWindow::slide_data() {
    QTest::addColumn<double>("startTop");
    QTest::addColumn<double>("topWhileSliding");
    // From the centre the panel rises 24 twips a step until it is at 30 or
    // less: 1807.5 - 74 * 24 = 31.5, one step more gives 7.5.
    QTest::newRow("from the centre") << 1807.5 << 7.5;
    QTest::newRow("just above 30") << 31.0 << 7.0;
    QTest::newRow("at 30") << 30.0 << 30.0;
    QTest::newRow("below 30") << 12.0 << 12.0;
}

void TestBrowserWindow::slide() {
    QFETCH(double, startTop);
    QFETCH(double, topWhileSliding);
    QVERIFY(showActive(*window_));
    setTwipsTop(c_->Picture2_0, startTop);
    double seenTop = -1;
    QString seenText = QStringLiteral("not seen");
    QTimer::singleShot(150, this, [&] {
        seenTop = twipsGeometry(c_->Picture2_0).top();
        seenText = c_->Text1->Text() + c_->Label4->text();
    });
    QElapsedTimer clock;
    clock.start();
    chooseFromList(c_->Combo4, 10);
    QVERIFY(clock.elapsed() >= 400);
    QCOMPARE(seenTop, topWhileSliding);
    QCOMPARE(seenText, QString()); // everything is cleared while sliding
    QCOMPARE(twipsGeometry(c_->Picture2_0).top(), 0.0);
}

void TestBrowserWindow::choiceDuringTheSlide() {
    QVERIFY(showActive(*window_));
    bool chosen = false;
    QTimer::singleShot(200, this, [&] {
        QVERIFY(window_->Builds()->Running());
        chooseFromList(c_->Combo4, 7);
        chosen = true;
    });
    QElapsedTimer clock;
    clock.start();
    chooseFromList(c_->Combo4, 5);
    QVERIFY(chosen);
    // The second choice starts the slide's time again, and only its page is
    // read: never both pages, never one twice.
    QVERIFY(clock.elapsed() >= 600);
    const QString page7 = PageText(builtVerseFile(), 7);
    QCOMPARE(c_->Text1->Text(), page7);
    QCOMPARE(c_->Label4->text(), QStringLiteral("هذه الصفحة رقم 7"));
    for (const VerseRecord& v : versesOfPage(5))
        QVERIFY(!c_->Text1->Text().contains(v.AyahText));
    QCOMPARE(c_->Text1->Text().count(versesOfPage(7).first().AyahText), 1);
    QVERIFY(!window_->Builds()->Running());
}

void TestBrowserWindow::typingChoosesNothing() {
    QVERIFY(showActive(*window_));
    QComboBox* combo = c_->Combo4;
    combo->setFocus();
    combo->lineEdit()->selectAll();
    typeText(combo->lineEdit(), QStringLiteral("12"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    c_->Combo1->setFocus(); // leaving the box chooses nothing either
    QTest::qWait(50);
    QCOMPARE(combo->currentText(), QStringLiteral("12"));
    QCOMPARE(window_->ViewMode(), 0);
    QVERIFY(!c_->Text1->isVisible());
    QCOMPARE(c_->Text1->Text(), QString());
    QCOMPARE(combo->count(), 604);
}

void TestBrowserWindow::keyboardChoice() {
    QVERIFY(showActive(*window_));
    c_->Combo4->setFocus();
    QTest::keyClick(c_->Combo4, Qt::Key_Down);
    QCOMPARE(c_->Combo4->currentText(), QStringLiteral("2"));
    QCOMPARE(c_->Label4->text(), QStringLiteral("هذه الصفحة رقم 2"));
    QCOMPARE(c_->Text1->Text(), PageText(builtVerseFile(), 2));
}

void TestBrowserWindow::displayFont() {
    QVERIFY(showActive(*window_));
    chooseFromList(c_->Combo4, 1);
    QCOMPARE(c_->Text1->font().family(), QStringLiteral("DecoType Naskh Special"));
    QCOMPARE(c_->Text1->font().pointSizeF(), 25.0);
    QVERIFY(c_->Text1->font().bold());
    QCOMPARE(QFontInfo(c_->Text1->font()).family(), QStringLiteral("Amiri"));

    // The settings are read again for every page: a bad bold line stops
    // the font steps after the size, and the page shows in "MS Sans Serif".
    writeFontFile({"Traditional Arabic", "22", "Yes"});
    chooseFromList(c_->Combo4, 2);
    QCOMPARE(c_->Text1->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(c_->Text1->font().pointSizeF(), 22.0);

    writeFontFile({"Simplified Arabic", "20", "False"});
    chooseFromList(c_->Combo4, 3);
    QCOMPARE(c_->Text1->font().family(), QStringLiteral("Simplified Arabic"));
    QCOMPARE(c_->Text1->font().pointSizeF(), 20.0);
    QVERIFY(!c_->Text1->font().bold());
}

void TestBrowserWindow::pageTextCentred() {
    QVERIFY(showActive(*window_));
    window_->resize(1000, 700);
    chooseFromList(c_->Combo4, 604);
    TextBox* text = c_->Text1;
    // The header's name line: right to left, centred in the box.
    const QTextBlock line = text->document()->findBlockByNumber(2);
    QVERIFY(line.text().startsWith(QStringLiteral("~§§  الإخلاص")));
    QTextCursor cursor(line);
    const int start = text->cursorRect(cursor).center().x();
    cursor.movePosition(QTextCursor::EndOfBlock);
    const int end = text->cursorRect(cursor).center().x();
    QVERIFY(start > end);
    QVERIFY(qAbs((start + end) / 2 - text->viewport()->width() / 2) <= 4);
}

void TestBrowserWindow::activationReturnsToTheInitialState() {
    QVERIFY(showActive(*window_));
    chooseFromList(c_->Combo4, 1);
    QVERIFY(c_->Text1->isVisible());
    QWidget other;
    QVERIFY(showActive(other));
    writeFontFile({"Andalus", "18", "False"});
    BackToResults = 1;
    QVERIFY(showActive(*window_));
    // The page view has an empty verse index, so it is left.
    QVERIFY(!c_->Text1->isVisible());
    QVERIFY(!c_->List1->isVisible());
    QVERIFY(!c_->Picture10->isVisible());
    QCOMPARE(twipsGeometry(c_->Picture2_0).top(), 1807.5);
    QCOMPARE(c_->Picture2_0->BorderStyle(), 1);
    QCOMPARE(BackToResults, 0);
    QCOMPARE(c_->Text1->font().family(), QStringLiteral("Andalus"));
    QCOMPARE(c_->Text1->font().pointSizeF(), 18.0);
}

void TestBrowserWindow::hover() {
    QVERIFY(showActive(*window_));
    PictureButton* const* b = c_->Picture2;
    moveOver(b[1]);
    QVERIFY(b[1]->IsRaised());
    moveOver(b[3]);
    // Straight from one button onto another: only the second stays raised.
    QVERIFY(!b[1]->IsRaised());
    QVERIFY(b[3]->IsRaised());
    const QImage hotFace = texturedFace(b[3], pictures::HotButtonTexture());
    const QImage normalFace = texturedFace(b[3], pictures::NormalButtonTexture());
    QVERIFY(hotFace != normalFace);
    QCOMPARE(b[3]->Canvas().toImage(), hotFace);
    moveOver(c_->Label7);
    // Over the range frame the button keeps its border with the normal face.
    QVERIFY(b[3]->IsRaised());
    QCOMPARE(b[3]->Canvas().toImage(), normalFace);
    moveOver(c_->Picture2_0);
    for (int i = 1; i <= 3; ++i)
        QVERIFY(!b[i]->IsRaised());
}

void TestBrowserWindow::formatCommand_data() {
    QTest::addColumn<int>("part"); // 0 the button, 1 its caption, 2 its icon
    QTest::newRow("button") << 0;
    QTest::newRow("caption") << 1;
    QTest::newRow("icon") << 2;
}

void TestBrowserWindow::formatCommand() {
    QFETCH(int, part);
    QVERIFY(showActive(*window_));
    TextBox resultsText1;
    window_->SetResultsVerseBox(&resultsText1);
    writeFontFile({"Simplified Arabic", "21", "True"});
    PictureButton* format = c_->Picture2[2];
    QWidget* parts[] = {format, format->Caption(), format->Icon()};
    const QPoint pointer(200, 150);
    QCursor::setPos(pointer);
    QTest::mouseClick(parts[part], Qt::LeftButton, {}, QPoint(2, 2));

    auto* dialog = window_->findChild<FontDialog*>(QStringLiteral("tnsek_1"));
    QVERIFY(dialog);
    QCOMPARE(dialog->parentWidget(), window_.get());
    QVERIFY(dialog->isVisible());
    QCOMPARE(QCursor::pos(), pointer + QPoint(50, 50));
    // Bold on: opening applied the settings to both verse boxes.
    for (const QWidget* box :
         {static_cast<QWidget*>(c_->Text1), static_cast<QWidget*>(&resultsText1)}) {
        QCOMPARE(box->font().family(), QStringLiteral("Simplified Arabic"));
        QCOMPARE(box->font().pointSizeF(), 21.0);
    }
    dialog->close();
}

void TestBrowserWindow::pointerToAnArea_data() {
    QTest::addColumn<QPoint>("windowAt"); // pixels
    QTest::addColumn<QRectF>("area");     // twips
    QTest::addColumn<QPoint>("pointer");
    // (600 + 547.5 + 60) / 15 = 80.5 and (240 + 157.5 + 360) / 15 = 50.5:
    // halves go to the even neighbour.
    QTest::newRow("Combo4, window at 0, 0")
        << QPoint(0, 0) << QRectF(600, 240, 1095, 315) << QPoint(80, 50);
    QTest::newRow("halves up to even")
        << QPoint(0, 0) << QRectF(615, 255, 1095, 315) << QPoint(82, 52);
    QTest::newRow("window at 100, 50")
        << QPoint(100, 50) << QRectF(600, 240, 1095, 315) << QPoint(180, 100);
    QTest::newRow("no size") << QPoint(20, 10) << QRectF(900, 1140, 0, 0) << QPoint(84, 110);
}

void TestBrowserWindow::pointerToAnArea() {
    QFETCH(QPoint, windowAt);
    QFETCH(QRectF, area);
    window_->move(windowAt);
    window_->MU_1(area.x(), area.y(), area.width(), area.height());
    QTEST(QCursor::pos(), "pointer");
}

QTEST_MAIN(TestBrowserWindow)
#include "test_browser_window.moc"
