#include "orvanta/shell/text_box.h"

#include <QTest>
#include <QTextBlock>

namespace {

// Where the caret is drawn at the start and at the end of a block.
QPair<int, int> caretEnds(QPlainTextEdit& box, int block) {
    QTextCursor cursor(box.document()->findBlockByNumber(block));
    const int start = box.cursorRect(cursor).center().x();
    cursor.movePosition(QTextCursor::EndOfBlock);
    return {start, box.cursorRect(cursor).center().x()};
}

} // namespace

class TestTextBox : public QObject {
    Q_OBJECT
private slots:
    void keepsTheTextExactly();
    void linesAligned_data();
    void linesAligned();
    void select_data();
    void select();
};

void TestTextBox::keepsTheTextExactly() {
    TextBox box;
    const QString text = QStringLiteral("\r\nسطر أول\r\nسطر ثان{1} ");
    box.SetText(text);
    QCOMPARE(box.Text(), text);
    // Each CR LF is one line break on screen.
    QCOMPARE(box.document()->blockCount(), 3);
    QCOMPARE(box.toPlainText(), QStringLiteral("\nسطر أول\nسطر ثان{1} "));
    QVERIFY(box.isReadOnly());
    box.SetText(QString());
    QCOMPARE(box.Text(), QString());
    QCOMPARE(box.document()->blockCount(), 1);
}

void TestTextBox::linesAligned_data() {
    QTest::addColumn<int>("alignment");
    QTest::newRow("right") << int(Qt::AlignRight);
    QTest::newRow("centre") << int(Qt::AlignHCenter);
}

void TestTextBox::linesAligned() {
    QFETCH(int, alignment);
    TextBox box(nullptr, Qt::Alignment(alignment));
    box.resize(400, 200);
    box.SetText(QStringLiteral("بسم الله\r\nالحمد لله رب العالمين"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const int viewport = box.viewport()->width();
    for (int block = 0; block < 2; ++block) {
        const auto [start, end] = caretEnds(box, block);
        // Right to left: each line starts on the right and ends on the left.
        QVERIFY2(start > end, qPrintable(QStringLiteral("%1 %2").arg(start).arg(end)));
        if (alignment == Qt::AlignRight) {
            QVERIFY(start > viewport - 20);
        } else {
            const int middle = (start + end) / 2;
            QVERIFY2(qAbs(middle - viewport / 2) <= 4,
                     qPrintable(QStringLiteral("%1 of %2").arg(middle).arg(viewport)));
        }
    }
}

void TestTextBox::select_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("selected");
    // "\r\n~§§  أ  §§~\r\nب{1} ج{11} "; each CR LF is two characters of the
    // text and one line break on screen.
    QTest::newRow("after two line ends") << 16 << 3 << "{1}";
    QTest::newRow("further on") << 21 << 4 << "{11}";
    QTest::newRow("over a line end") << 12 << 4 << "~\r\nب";
    QTest::newRow("from the start") << 0 << 3 << "\r\n~";
    QTest::newRow("beyond the end") << 25 << 10 << " ";
}

void TestTextBox::select() {
    QFETCH(int, start);
    QFETCH(int, length);
    TextBox box;
    box.SetText(QStringLiteral("\r\n~§§  أ  §§~\r\nب{1} ج{11} "));
    box.Select(start, length);
    QTEST(box.SelectedText(), "selected");
}

QTEST_MAIN(TestTextBox)
#include "test_text_box.moc"
