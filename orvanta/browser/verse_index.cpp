#include "orvanta/browser/verse_index.h"

#include "common/numeric_value.h"
#include "orvanta/browser/browser_window.h"
#include "orvanta/browser/build_runner.h"
#include "orvanta/browser/verse_lookup.h"
#include "orvanta/shell/picture_box.h"
#include "orvanta/shell/tafsir_area.h"
#include "orvanta/shell/text_box.h"
#include "orvanta/store/verse_file.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>

VerseIndex::VerseIndex(BrowserWindow* window, BuildRunner* builds)
    : QObject(window), window_(window), builds_(builds) {
    const BrowserControls& c = window_->Controls();
    connect(c.List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    c.List1->viewport()->installEventFilter(this);
    for (int i = 0; i < 2; ++i)
        connect(c.Pic[i], &PictureBox::clicked, this, [this, i] { Pic_Click(i); });
}

bool VerseIndex::eventFilter(QObject* watched, QEvent* event) {
    // A press on the entry already chosen changes no row, yet it is a click:
    // it marks the verse again, wherever Text1 was scrolled or selected.
    const QListWidget* list = window_->Controls().List1;
    if (watched == list->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<const QMouseEvent*>(event);
        const QListWidgetItem* item = list->itemAt(press->position().toPoint());
        if (press->button() == Qt::LeftButton && item && item == list->currentItem())
            List1_Click();
    }
    return QObject::eventFilter(watched, event);
}

void VerseIndex::List1_Click() {
    if (!builds_->Running())
        ShowSelectedVerse();
}

void VerseIndex::ShowSelectedVerse() {
    const BrowserControls& c = window_->Controls();
    // The caption names the pane in view, whichever tab chose it.
    c.Label3_0->setText(VisibleTafsirName(c.Text2));
    c.Label6->clear();
    c.Text2[0]->SetText(QString());
    c.Text2[1]->SetText(QString());

    const QListWidgetItem* chosen = c.List1->currentItem();
    const QString number = chosen ? chosen->text() : QString();
    const QString marker = VerseMarker(number);
    if (const qsizetype p = c.Text1->Text().indexOf(marker); p >= 0)
        c.Text1->Select(p, marker.size());
    c.Text1->setFocus();

    // The tafsir is looked up in the surah Combo1 names now, which after a
    // changed choice may differ from the surah of the page text; Label6 then
    // names that surah, so the panes never pass for another verse's tafsir.
    const int chosenSurah = c.Combo1->currentIndex();
    if (chosenSurah < 0)
        return;
    const std::optional<VerseRecord> verse =
        FindVerse(VerseFilePath(), chosenSurah + 1, numericValue(number));
    if (!verse)
        return;
    c.Text2[0]->SetText(verse->Tafsir1);
    c.Text2[1]->SetText(verse->Tafsir2);
    c.Label6->setText(u' ' + c.Combo1->itemText(chosenSurah) + QStringLiteral(" آية : ") +
                      verse->AyahNo);
}

void VerseIndex::Pic_Click(int i) {
    const BrowserControls& c = window_->Controls();
    ShowTafsirPane(c.Text2, c.Label3_0, i);
}
