#include "orvanta/browser/page_view.h"

#include "common/numeric_value.h"
#include "common/twips_geometry.h"
#include "orvanta/browser/browser_window.h"
#include "orvanta/browser/build_runner.h"
#include "orvanta/browser/page_text.h"
#include "orvanta/browser/slide_panel.h"
#include "orvanta/shell/font_settings.h"
#include "orvanta/shell/picture_box.h"
#include "orvanta/shell/text_box.h"
#include "orvanta/store/verse_file.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

namespace {

constexpr qint64 kSlideMilliseconds = 400;
constexpr double kSlideStep = 24; // twips per step

} // namespace

PageView::PageView(BrowserWindow* window, BuildRunner* builds)
    : QObject(window), window_(window), builds_(builds) {}

void PageView::ShowChosenPage() {
    builds_->Run([this] { build(); });
}

void PageView::build() {
    const BrowserControls& c = window_->Controls();
    window_->SetViewMode(1);
    setTwipsWidth(c.Text1, window_->ScaleWidth() - 6);
    if (slide())
        showPage();
}

bool PageView::slide() {
    const BrowserControls& c = window_->Controls();
    return SlidePanel(builds_, c.Picture2_0, kSlideStep, kSlideMilliseconds, [&c] {
        c.Label6->clear();
        c.Text1->SetText(QString());
        c.List1->clear();
        c.Label4->clear();
        c.Text2[0]->SetText(QString());
        c.Text2[1]->SetText(QString());
    });
}

void PageView::showPage() {
    const BrowserControls& c = window_->Controls();
    c.Picture2_0->SetBorderStyle(0);
    setTwipsTop(c.Picture2_0, 0);
    c.Picture10->show();
    c.Text1->show();
    c.List1->show();
    setTwipsHeight(c.Text1, window_->ScaleHeight() - twipsHeight(c.Picture2_0) - 10);

    const QString page = c.Combo4->currentText();
    c.Text1->SetText(PageText(VerseFilePath(), numericValue(page)));
    LoadFontSettings();
    c.Label4->setText(QStringLiteral("هذه الصفحة رقم ") + page);
    window_->ApplyTextFont();
}
