#include "orvanta/browser/range_view.h"

#include "common/numeric_value.h"
#include "common/twips_geometry.h"
#include "orvanta/browser/browser_window.h"
#include "orvanta/browser/build_runner.h"
#include "orvanta/browser/range_choice.h"
#include "orvanta/browser/range_text.h"
#include "orvanta/browser/slide_panel.h"
#include "orvanta/browser/verse_index.h"
#include "orvanta/shell/message_box.h"
#include "orvanta/shell/picture_box.h"
#include "orvanta/shell/text_box.h"
#include "orvanta/store/surah_info.h"
#include "orvanta/store/verse_file.h"
#include "orvanta/store/verse_record_reader.h"

#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

namespace {

const QString kChooseSurah = QStringLiteral("حدد السورة");
// The first phase only clears the window; the second shows its parts.
constexpr qint64 kPhaseAMilliseconds = 10;
constexpr double kPhaseAStep = 24;
constexpr qint64 kPhaseBMilliseconds = 100;
constexpr double kPhaseBStep = 50;

} // namespace

RangeView::RangeView(BrowserWindow* window, BuildRunner* builds, VerseIndex* index)
    : QObject(window), window_(window), builds_(builds), index_(index) {}

void RangeView::Combo1_Click() {
    const BrowserControls& c = window_->Controls();
    c.Combo2->clear();
    LoadSurahInfo(qint16(c.Combo1->currentIndex() + 1));
    c.Combo2->addItems(FirstVerseEntries(OfferedVerseCount(SurahInfo().VerseCountText)));
    if (c.Combo2->count() >= 1) {
        c.Combo2->setCurrentIndex(0);
        Combo2_Click();
    }
}

void RangeView::Combo2_Click() {
    const BrowserControls& c = window_->Controls();
    c.Combo3->clear();
    c.Combo3->addItems(LastVerseEntries(c.Combo2->currentIndex(), c.Combo2->count()));
    if (c.Combo3->count() >= 1)
        c.Combo3->setCurrentIndex(c.Combo3->count() - 1);
}

void RangeView::Command4_Click() {
    window_->FlattenButtons();
    const BrowserControls& c = window_->Controls();
    // A refusal changes nothing else, and leaves a running build alone. Text
    // typed into the box is no choice of a surah either.
    if (c.Combo1->currentText() == kChooseSurah || c.Combo1->currentIndex() < 0) {
        ShowMessageBox(window_, kRefusalTitle, kChooseSurah);
        return;
    }
    QCursor::setPos(QCursor::pos() + QPoint(50, 50));
    builds_->Run([this] { build(); });
}

void RangeView::build() {
    window_->SetViewMode(0);
    matchCount_ = 0;
    if (slide())
        scan();
}

bool RangeView::slide() {
    const BrowserControls& c = window_->Controls();
    const bool cleared = SlidePanel(builds_, c.Picture2_0, kPhaseAStep, kPhaseAMilliseconds, [&c] {
        c.Text2[0]->SetText(QString());
        c.Text2[1]->SetText(QString());
        c.Label6->clear();
        c.Text1->SetText(QString());
    });
    if (!cleared)
        return false;
    const bool shown = SlidePanel(builds_, c.Picture2_0, kPhaseBStep, kPhaseBMilliseconds, [&c] {
        c.Picture10->show();
        c.Text1->show();
        c.List1->show();
        c.Label4->setText(QStringLiteral("فضلا انتظر قليلا"));
    });
    if (!shown || !builds_->Yield())
        return false;
    window_->Form_Resize();
    if (twipsTop(c.Picture2_0) != 0) {
        c.Picture2_0->SetBorderStyle(0);
        setTwipsTop(c.Picture2_0, 0);
    }
    return true;
}

void RangeView::scan() {
    const BrowserControls& c = window_->Controls();
    // The range is taken once, as the choice stands when the reading
    // starts: a choice changed while the verses are read changes the combos
    // only, never the header, the caption or the index of this build.
    const int chosen = c.Combo1->currentIndex();
    const int surahNo = chosen + 1;
    const QString surahName = c.Combo1->itemText(chosen);
    const QString verseCount = c.Combo2->itemText(c.Combo2->count() - 1);
    RangeTextBuilder range(surahNo, numericValue(c.Combo2->currentText()),
                           numericValue(c.Combo3->currentText()), verseCount);
    VerseRecordReader reader;
    if (reader.Open(VerseFilePath())) {
        VerseRecord record;
        while (reader.Next(record)) {
            if (!range.Matches(record))
                continue;
            if (!builds_->Yield())
                return;
            matchCount_ += 1;
            c.Label4->setText(QStringLiteral("انتظر قليلا  ") + QString::number(matchCount_));
            range.Add(record);
        }
        reader.Close();
    }

    c.Label4->setText(QStringLiteral("سورة ") + surahName);
    {
        const QSignalBlocker block(c.List1);
        c.List1->clear();
        c.List1->addItems(range.VerseNumbers());
        if (c.List1->count() >= 1)
            c.List1->setCurrentRow(0);
    }
    c.Text1->SetText(range.Text());
    if (c.List1->count() >= 1)
        index_->ShowSelectedVerse();
}
