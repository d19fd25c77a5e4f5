// Times, beside a real headless Writer, what the user waits for after a
// double click on a verse in the finder window: from QTest's double click on
// the row to the verse being in the document (its text inserted, then also
// in the selection's font), and to the window back at rest. The window
// searches the real data; the verse is its longest (2:282), replacing one
// selected word in a document of a few pages.
//
//   bench_quran_win_writer [runs]
#include "finder_fixture.h"
#include "headless_writer.h"
#include "tests/support/bench_figures.h"
#include "velisar/link/libreoffice/writer_link.h"
#include "writer_test_document.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTest>
#include <algorithm>
#include <cstdio>

namespace {

// The Writer link, with the moment each step of the insertion returned.
class TimedWordProcessor final : public WordProcessor {
public:
    TimedWordProcessor(WordProcessor& inner, const QElapsedTimer& clock)
        : inner_(inner), clock_(clock) {}

    double insertedAt = -1;  // the verse's text is in the document
    double formattedAt = -1; // and carries the selection's font

    bool attach() override { return inner_.attach(); }
    void release() override { inner_.release(); }
    bool isAttached() const override { return inner_.isAttached(); }
    std::optional<QString> identity() override { return inner_.identity(); }
    std::optional<SelectionBounds> selectionBounds() override { return inner_.selectionBounds(); }
    bool setSelection(qint32 start, qint32 end) override { return inner_.setSelection(start, end); }
    std::optional<QString> selectedText() override { return inner_.selectedText(); }
    std::optional<int> documentCount() override { return inner_.documentCount(); }
    std::optional<QString> selectionFontName() override { return inner_.selectionFontName(); }
    std::optional<double> selectionFontSize() override { return inner_.selectionFontSize(); }
    bool setSmartCutPaste(bool on) override { return inner_.setSmartCutPaste(on); }
    bool takeSelectionRange() override { return inner_.takeSelectionRange(); }
    bool rangePaste(const QString& text) override { return inner_.rangePaste(text); }
    bool setRangeFontName(const QString& name) override { return inner_.setRangeFontName(name); }
    bool setRangeFontSize(double size) override {
        const bool done = inner_.setRangeFontSize(size);
        // The size is set last, once before the verse is appended and once
        // after.
        if (insertedAt >= 0)
            formattedAt = now();
        return done;
    }
    bool rangeInsertAfter(const QString& text) override {
        const bool done = inner_.rangeInsertAfter(text);
        insertedAt = now();
        return done;
    }
    std::optional<QString> rangeText() override { return inner_.rangeText(); }

private:
    double now() const { return clock_.nsecsElapsed() / 1e6; }

    WordProcessor& inner_;
    const QElapsedTimer& clock_;
};

void report(const char* what, QList<double> values) {
    std::sort(values.begin(), values.end());
    std::printf("  %-28s median %6.1f ms   worst %6.1f ms\n", what, median(values), values.last());
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;

    HeadlessWriter writer;
    if (!writer.start()) {
        std::fprintf(stderr, "bench: no headless Writer started\n");
        return 1;
    }
    WriterLink link(writer.pipeName());
    QElapsedTimer clock;
    TimedWordProcessor timed(link, clock);
    FinderFixture finder(timed);
    if (!finder.load()) {
        std::fprintf(stderr, "bench: the finder window did not load\n");
        return 1;
    }
    auto* list = finder.control<QListWidget>(QStringLiteral("QRsult"));

    // A few pages of vocalised text around the selected word, which only the
    // longest verse holds.
    QStringList paragraphs;
    for (int i = 0; i < 40; ++i)
        paragraphs << QStringLiteral("قال تعالى: إِنَّ الَّذِينَ آمَنُوا وَعَمِلُوا الصَّالِحَاتِ كَانَتْ "
                                     "لَهُمْ جَنَّاتُ الْفِرْدَوْسِ نُزُلًا خَالِدِينَ فِيهَا لَا "
                                     "يَبْغُونَ عَنْهَا حِوَلًا");
    const QString word = QStringLiteral("تَدَايَنْتُمْ");
    paragraphs[20] += u' ' + word + QStringLiteral(" ثم");

    QList<double> inserted, formatted, resting;
    qsizetype entryLength = 0;
    for (int run = 0; run < runs; ++run) {
        finder.window.Cancel_Cmd_Click();
        WriterTestDocument document(writer.pipeName());
        document.build(paragraphs);
        document.setFont(word, WriterTestDocument::Script::Complex, QStringLiteral("Amiri"), 18);
        document.select(word);
        finder.window.setWindowState(Qt::WindowNoState);
        if (list->count() != 1) {
            std::fprintf(stderr, "bench: the lookup listed %d verses, not one\n", list->count());
            return 1;
        }
        const QString entry = list->item(0)->text();
        entryLength = entry.size();
        const QPoint row = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);

        timed.insertedAt = timed.formattedAt = -1;
        clock.start();
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
        while (finder.window.Tag() != QLatin1String("Allah1") && clock.elapsed() < 10000)
            QCoreApplication::processEvents();
        resting << clock.nsecsElapsed() / 1e6;
        inserted << timed.insertedAt;
        formatted << timed.formattedAt;
        if (timed.formattedAt < 0 || !document.bodyText().contains(u' ' + entry + u' ')) {
            std::fprintf(stderr, "bench: the verse did not reach the document\n");
            return 1;
        }
    }
    writer.stop();

    std::printf("Double click on a verse (%lld characters) to its place in Writer, %d runs:\n",
                qlonglong(entryLength), runs);
    report("verse text in the document", inserted);
    report("and in the selection's font", formatted);
    report("window back at rest", resting);
    std::printf("  goal: 100 ms\n");
    return 0;
}
