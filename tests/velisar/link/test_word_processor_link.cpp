#include "fake_word_processor.h"
#include "no_word_processor.h"
#include "tests/velisar/engine/fake_finder_view.h"
#include "velisar/engine/quran_texts.h"
#include "velisar/engine/verse_search.h"
#include "velisar/link/clipboard.h"
#include "velisar/link/link_window.h"
#include "velisar/link/word_processor_link.h"

#include <QTest>

namespace {

const QuranTexts& quranTexts() {
    static const QuranTexts texts = [] {
        QuranTexts t;
        t.Fill_Sora_Names();
        if (t.Open_Moshaf_Data_File(QStringLiteral(PROGRAM_DIR), {}) != LoadOutcome::Loaded)
            qFatal("the data files are missing");
        return t;
    }();
    return texts;
}

class FakeClipboard : public Clipboard {
public:
    void clear() override {
        text.clear();
        ++clears;
    }
    void setText(const QString& t) override { text = t; }

    QString text = QStringLiteral("left over");
    int clears = 0;
};

// Writes down what the link asks of the window; the rows are the search's.
class FakeLinkWindow : public LinkWindow {
public:
    explicit FakeLinkWindow(const FakeFinderView& view) : view_(view) {}

    void yieldToEvents() override {}
    void markSearchRunning() override { calls << QStringLiteral("markSearchRunning"); }
    void enableWindow() override { calls << QStringLiteral("enableWindow"); }
    void restoreNormalState() override { calls << QStringLiteral("restoreNormalState"); }
    void clearForLookup() override { calls << QStringLiteral("clearForLookup"); }
    void Searching_By_myText() override { calls << QStringLiteral("Searching_By_myText"); }
    int resultRowCount() const override { return int(view_.rows.size()); }
    int selectedRow() const override { return selected; }
    void hideCopyAndHelpButtons() override { calls << QStringLiteral("hideCopyAndHelpButtons"); }
    void Show_All_Command_Button() override { calls << QStringLiteral("Show_All_Command_Button"); }
    void Show_Icon_Window() override { calls << QStringLiteral("Show_Icon_Window"); }
    void minimizeWindow() override { calls << QStringLiteral("minimizeWindow"); }

    QStringList calls;
    int selected = 0;

private:
    const FakeFinderView& view_;
};

// The link with everything it talks to.
struct Rig {
    explicit Rig(WordProcessor& wp)
        : search(quranTexts(), view), link(wp, window, clipboard, search) {}

    bool searched() const { return view.calls.contains(QStringLiteral("enter")); }

    FakeFinderView view;
    FakeLinkWindow window{view};
    FakeClipboard clipboard;
    VerseSearch search;
    WordProcessorLink link;
};

const QString kBefore = QStringLiteral("قال تعالى: ");
const QString kAfter = QStringLiteral(" وهذا آخر السطر");
const QString kSelected = QStringLiteral("الرَّحِيمِ");

// A document with kSelected selected between kBefore and kAfter.
void openDocument(FakeWordProcessor& wp, const QString& font = QStringLiteral("Amiri"),
                  double size = 18) {
    wp.setDocument(kBefore + kSelected + kAfter, font, size);
    wp.select(kBefore.size(), kBefore.size() + kSelected.size());
}

// The usual document, its selection looked up once: where most tests of
// the double click start.
struct LookedUp {
    LookedUp() {
        openDocument(wp);
        document = wp.text();
        rig.link.Search_4User_Text_In_Quran();
    }

    FakeWordProcessor wp;
    QString document; // as it stood before anything was inserted
    Rig rig{wp};
};

} // namespace

class TestWordProcessorLink : public QObject {
    Q_OBJECT
private slots:
    void withoutWordProcessorTheWindowWaitsAndDoubleClickCopies_data();
    void withoutWordProcessorTheWindowWaitsAndDoubleClickCopies();
    void unusableSelectionLeavesTypedInput_data();
    void unusableSelectionLeavesTypedInput();
    void selectionWithMarksIsFoundAndReplaced();
    void insertionFont_data();
    void insertionFont();
    void sameRowTwiceAddsNoFurtherSpaces();
    void copyAfterInsertionCopiesThePaddedEntry();
    void lostLinkCopiesInstead();
    void noDocumentAtDoubleClickRestsWithoutMinimising();
    void selectionPlaceGoneCopiesInstead_data();
    void selectionPlaceGoneCopiesInstead();
    void typedSearchStillInsertsAtTheRememberedSelection();
    void boundsOfAnEarlierLookupAreNeverUsed();
    void withoutSelectedRowNothingIsCopiedOrReplaced();
};

void TestWordProcessorLink::withoutWordProcessorTheWindowWaitsAndDoubleClickCopies_data() {
    QTest::addColumn<bool>("fake");
    QTest::newRow("none at all") << false;
    QTest::newRow("a word processor that is not running") << true;
}

void TestWordProcessorLink::withoutWordProcessorTheWindowWaitsAndDoubleClickCopies() {
    QFETCH(bool, fake);
    NoWordProcessor none;
    FakeWordProcessor absent;
    absent.running = false;
    Rig rig(fake ? static_cast<WordProcessor&>(absent) : none);

    rig.link.Search_4User_Text_In_Quran();
    QCOMPARE(rig.window.calls, QStringList({"markSearchRunning", "enableWindow",
                                            "restoreNormalState", "Searching_By_myText"}));
    QVERIFY(!rig.searched());

    rig.search.Find_Text_In_Quran(QStringLiteral("الرحمن الرحيم"));
    rig.window.selected = 2;
    rig.link.QRsult_DblClick();
    QCOMPARE(rig.clipboard.text, rig.search.resultText(2));
    QVERIFY(rig.clipboard.text.startsWith(u'{'));
    QCOMPARE(rig.window.calls.last(), QStringLiteral("Show_All_Command_Button"));
    QVERIFY(!rig.window.calls.contains(QStringLiteral("Show_Icon_Window")));
}

void TestWordProcessorLink::unusableSelectionLeavesTypedInput_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("documents");
    QTest::addColumn<bool>("boundsReadable");
    const QString arabic = QStringLiteral("قال الرحمن");
    QTest::newRow("a caret, nothing selected") << arabic << 4 << 4 << 1 << true;
    QTest::newRow("Latin letters only") << QStringLiteral("see Hello there") << 4 << 9 << 1 << true;
    QTest::newRow("digits only") << QStringLiteral("في 2024 م") << 3 << 7 << 1 << true;
    QTest::newRow("vowel marks only") << QStringLiteral("ـَُِّ") << 0 << 5 << 1 << true;
    QTest::newRow("no document open") << arabic << 4 << 10 << 0 << true;
    QTest::newRow("bounds unreadable") << arabic << 4 << 10 << 1 << false;
}

void TestWordProcessorLink::unusableSelectionLeavesTypedInput() {
    QFETCH(QString, document);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, documents);
    QFETCH(bool, boundsReadable);
    FakeWordProcessor wp;
    wp.setDocument(document);
    wp.select(start, end);
    wp.documents = documents;
    wp.boundsReadable = boundsReadable;
    Rig rig(wp);

    rig.link.Search_4User_Text_In_Quran();
    QVERIFY(!rig.searched());
    QVERIFY(rig.window.calls.contains(QStringLiteral("clearForLookup")));
    QCOMPARE(rig.window.calls.last(), QStringLiteral("Searching_By_myText"));
    QVERIFY(!wp.isAttached());
    QCOMPARE(wp.text(), document);
}

void TestWordProcessorLink::selectionWithMarksIsFoundAndReplaced() {
    FakeWordProcessor wp;
    openDocument(wp, QStringLiteral("Amiri"), 18);
    Rig rig(wp);

    rig.link.Search_4User_Text_In_Quran();
    QVERIFY(rig.searched());
    QVERIFY(wp.isAttached());
    QCOMPARE(rig.link.Sel_Start, kBefore.size());
    QCOMPARE(rig.link.Sel_End, kBefore.size() + kSelected.size());
    QVERIFY(rig.view.rows.size() > 1);
    const QString entry = rig.search.resultText(0);
    QVERIFY(entry.endsWith(QStringLiteral("(1) سورة الفاتحة")));

    rig.window.selected = 0;
    rig.link.QRsult_DblClick();
    const QString inserted = QStringLiteral("  ") + entry + u' ';
    QCOMPARE(wp.text(), kBefore + inserted + kAfter);
    for (qsizetype i = kBefore.size(); i < kBefore.size() + inserted.size(); ++i) {
        QCOMPARE(wp.fontNameAt(i), QStringLiteral("Amiri"));
        QCOMPARE(wp.fontSizeAt(i), 18.0);
    }
    QVERIFY(!wp.smartCutPaste);
    QCOMPARE(rig.clipboard.text, inserted);
    QCOMPARE(rig.search.resultText(0), u' ' + entry + u' ');
    QCOMPARE(rig.window.calls.mid(rig.window.calls.size() - 2),
             QStringList({"Show_Icon_Window", "minimizeWindow"}));
}

void TestWordProcessorLink::insertionFont_data() {
    QTest::addColumn<QString>("secondHalfFont");
    QTest::addColumn<double>("size");
    QTest::addColumn<bool>("sizeReadable");
    QTest::addColumn<QString>("expectedFont");
    QTest::addColumn<double>("expectedSize");
    QTest::newRow("one font") << "Amiri" << 14.0 << true << "Amiri" << 14.0;
    QTest::newRow("mixed fonts") << "DejaVu Sans" << 14.0 << true << "Traditional Arabic" << 14.0;
    QTest::newRow("size unreadable") << "Amiri" << 14.0 << false << "Amiri" << 21.0;
    QTest::newRow("size below 1") << "Amiri" << 0.5 << true << "Amiri" << 21.0;
}

void TestWordProcessorLink::insertionFont() {
    QFETCH(QString, secondHalfFont);
    QFETCH(double, size);
    QFETCH(bool, sizeReadable);
    QFETCH(QString, expectedFont);
    QFETCH(double, expectedSize);
    FakeWordProcessor wp;
    openDocument(wp, QStringLiteral("Amiri"), size);
    const qint32 middle = kBefore.size() + kSelected.size() / 2;
    wp.setFont(middle, kBefore.size() + kSelected.size(), secondHalfFont, size);
    wp.fontSizeReadable = sizeReadable;
    Rig rig(wp);
    rig.link.Search_4User_Text_In_Quran();
    rig.link.QRsult_DblClick();

    const qsizetype insertedLength = wp.text().size() - kBefore.size() - kAfter.size();
    QVERIFY(insertedLength > 3);
    for (qsizetype i = kBefore.size(); i < kBefore.size() + insertedLength; ++i) {
        QCOMPARE(wp.fontNameAt(i), expectedFont);
        QCOMPARE(wp.fontSizeAt(i), expectedSize);
    }
    // The text around keeps its own font.
    QCOMPARE(wp.fontNameAt(0), QStringLiteral("Amiri"));
    QCOMPARE(wp.fontNameAt(wp.text().size() - 1), QStringLiteral("Amiri"));
}

void TestWordProcessorLink::sameRowTwiceAddsNoFurtherSpaces() {
    LookedUp f;
    Rig& rig = f.rig;
    rig.window.selected = 1;
    rig.link.QRsult_DblClick();
    const QString first = rig.clipboard.text;
    const QString padded = rig.search.resultText(1);

    rig.link.QRsult_DblClick();
    QCOMPARE(rig.clipboard.text, first);
    QCOMPARE(rig.search.resultText(1), padded);
    QVERIFY(padded.startsWith(QStringLiteral(" {")));
    QVERIFY(!padded.startsWith(QStringLiteral("  ")));
}

void TestWordProcessorLink::copyAfterInsertionCopiesThePaddedEntry() {
    LookedUp f;
    Rig& rig = f.rig;
    const QString entry = rig.search.resultText(0);
    rig.link.QRsult_DblClick();

    rig.link.Copy_Aya_2Mem_Click();
    QCOMPARE(rig.clipboard.text, u' ' + entry + u' ');
}

void TestWordProcessorLink::lostLinkCopiesInstead() {
    LookedUp f;
    FakeWordProcessor& wp = f.wp;
    Rig& rig = f.rig;
    QVERIFY(rig.searched());

    wp.gone = true;
    rig.window.calls.clear();
    rig.link.QRsult_DblClick();
    QCOMPARE(rig.clipboard.text, rig.search.resultText(0));
    QVERIFY(rig.clipboard.text.startsWith(u'{'));
    QCOMPARE(wp.text(), f.document);
    QCOMPARE(rig.window.calls, QStringList({"hideCopyAndHelpButtons", "Show_All_Command_Button"}));
}

void TestWordProcessorLink::noDocumentAtDoubleClickRestsWithoutMinimising() {
    LookedUp f;
    FakeWordProcessor& wp = f.wp;
    Rig& rig = f.rig;
    rig.clipboard.text = QStringLiteral("kept");

    wp.documents = 0;
    rig.window.calls.clear();
    rig.link.QRsult_DblClick();
    QCOMPARE(rig.window.calls, QStringList({"Show_Icon_Window"}));
    QCOMPARE(wp.text(), f.document);
    QCOMPARE(rig.clipboard.text, QStringLiteral("kept"));
}

void TestWordProcessorLink::selectionPlaceGoneCopiesInstead_data() {
    QTest::addColumn<bool>("textCut");
    QTest::addColumn<bool>("rangeTakeable");
    QTest::newRow("the text where the words were is cut") << true << true;
    QTest::newRow("no range can be taken of the selection") << false << false;
}

void TestWordProcessorLink::selectionPlaceGoneCopiesInstead() {
    QFETCH(bool, textCut);
    QFETCH(bool, rangeTakeable);
    LookedUp f;
    FakeWordProcessor& wp = f.wp;
    Rig& rig = f.rig;
    const QString entry = rig.search.resultText(0);

    if (textCut)
        wp.setDocument(QStringLiteral("قصير"));
    wp.rangeTakeable = rangeTakeable;
    const QString document = wp.text();
    rig.window.calls.clear();
    rig.link.QRsult_DblClick();
    QCOMPARE(wp.text(), document);
    QCOMPARE(rig.clipboard.text, u' ' + entry + u' ');
    QVERIFY(!rig.window.calls.contains(QStringLiteral("Show_Icon_Window")));
}

void TestWordProcessorLink::typedSearchStillInsertsAtTheRememberedSelection() {
    LookedUp f;
    FakeWordProcessor& wp = f.wp;
    Rig& rig = f.rig;

    // Meanwhile the caret moved to the start of the document.
    wp.select(0, 0);
    rig.search.Find_Text_In_Quran(QStringLiteral("قل هو الله أحد"));
    QCOMPARE(rig.view.rows.size(), 1);
    rig.window.selected = 0;
    rig.link.QRsult_DblClick();
    QCOMPARE(wp.text(), kBefore + QStringLiteral("  ") + rig.view.rows.at(0) + u' ' + kAfter);
}

void TestWordProcessorLink::boundsOfAnEarlierLookupAreNeverUsed() {
    LookedUp f;
    FakeWordProcessor& wp = f.wp;
    Rig& rig = f.rig;
    QVERIFY(rig.searched());

    // The next wake-up cannot read where the selection is, though its text
    // can be read.
    wp.boundsReadable = false;
    rig.view.calls.clear();
    rig.link.Search_4User_Text_In_Quran();
    QVERIFY(!rig.searched());
    rig.search.Find_Text_In_Quran(QStringLiteral("الرحيم"));
    rig.link.QRsult_DblClick();
    QCOMPARE(wp.text(), f.document);
}

void TestWordProcessorLink::withoutSelectedRowNothingIsCopiedOrReplaced() {
    LookedUp f;
    FakeWordProcessor& wp = f.wp;
    Rig& rig = f.rig;
    rig.window.selected = -1;

    rig.link.Copy_Aya_2Mem_Click();
    QCOMPARE(rig.clipboard.clears, 1);
    QCOMPARE(rig.clipboard.text, QString());

    rig.window.calls.clear();
    rig.link.QRsult_DblClick();
    QCOMPARE(wp.text(), f.document);
    QVERIFY(rig.window.calls.isEmpty());
}

QTEST_GUILESS_MAIN(TestWordProcessorLink)
#include "test_word_processor_link.moc"
