#include "orvanta/search/results_window.h"

#include "common/twips_geometry.h"
#include "orvanta/search/copy_commands.h"
#include "orvanta/search/find_dialog.h"
#include "orvanta/search/matching_walk.h"
#include "orvanta/search/result_entries.h"
#include "orvanta/search/results_layout.h"
#include "orvanta/search/search_state.h"
#include "orvanta/search/word_search.h"
#include "orvanta/shell/apply_display_font.h"
#include "orvanta/shell/desktop_keyboard.h"
#include "orvanta/shell/font_dialog.h"
#include "orvanta/shell/font_settings.h"
#include "orvanta/shell/message_box.h"
#include "orvanta/shell/picture_box.h"
#include "orvanta/shell/program_end.h"
#include "orvanta/shell/shared_pictures.h"
#include "orvanta/shell/tafsir_area.h"
#include "orvanta/shell/text_box.h"
#include "orvanta/shell/window_activation.h"
#include "orvanta/shell/window_placement.h"
#include "orvanta/store/surah_info.h"
#include "orvanta/store/user_files.h"
#include "orvanta/store/verse_file.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QSignalBlocker>

namespace {

constexpr double kDesignWidth = 8580;
constexpr double kDesignHeight = 6135;
const QColor kWindowBack(232, 225, 207);

bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return true;
    default:
        return false;
    }
}

QListWidgetItem* markableItem(const QString& text) {
    auto* item = new QListWidgetItem(text);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    return item;
}

} // namespace

ResultsWindow::ResultsWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Orvanta"));
    setWindowIcon(pictures::ProgramIcon());
    setLayoutDirection(Qt::RightToLeft);
    QFont face(QStringLiteral("MS Sans Serif"));
    face.setPointSizeF(8.25);
    setFont(face);

    area_ = new QWidget(this);
    QPalette back = area_->palette();
    back.setColor(QPalette::Window, kWindowBack);
    area_->setPalette(back);
    area_->setAutoFillBackground(true);
    setCentralWidget(area_);
    // The window can be made as small as the user likes: the layout rules
    // stop by themselves below their thresholds.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    c_ = CreateResultsControls(area_);
    menu_ = CreateResultsMenu(this);

    connect(menu_.en, &QAction::triggered, this, [] { EndProgram(); });
    connect(menu_.fik, &QAction::triggered, this, &ResultsWindow::ShowFindDialog);
    copy_ = new CopyCommands(this, DesktopKeyboardLayouts());
    ConnectCommand(menu_.tnsek, [this] { ShowFontDialog(); });
    connect(new ActivationWatcher(this), &ActivationWatcher::activated, this,
            &ResultsWindow::Form_Activate);
    connect(c_.List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            ShowFoundVerse();
    });
    // A mark set or cleared reaches the hidden list at once.
    connect(c_.List1, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (QListWidgetItem* twin = c_.List2->item(c_.List1->row(item)))
            twin->setCheckState(item->checkState());
    });
    for (int i = 0; i < 2; ++i)
        connect(c_.Pic[i], &PictureBox::clicked, this, [this, i] { Pic_Click(i); });
    area_->installEventFilter(this);
    c_.List1->installEventFilter(this);
    c_.List1->viewport()->installEventFilter(this);

    ResizeInner(kDesignWidth, kDesignHeight);
    Form_Load();
}

double ResultsWindow::ScaleWidth() const {
    return area_->width() * twipsPerPixel(this);
}

double ResultsWindow::ScaleHeight() const {
    return area_->height() * twipsPerPixel(this);
}

void ResultsWindow::ResizeInner(double scaleWidth, double scaleHeight) {
    const double perPixel = twipsPerPixel(this);
    const int width = qRound(scaleWidth / perPixel);
    const int menuHeight =
        menuBar()->isVisible() ? menuBar()->height() : menuBar()->heightForWidth(width);
    resize(width, qRound(scaleHeight / perPixel) +
                      (menuHeight > 0 ? menuHeight : menuBar()->sizeHint().height()));
}

void ResultsWindow::Form_Load() {
    LoadFontSettings();
    CheckVerseFile(
        [this](const QString& title, const QString& text) { ShowMessageBox(this, title, text); });
}

void ResultsWindow::Form_Activate() {
    menu_.en->setEnabled(false);
}

void ResultsWindow::Form_Resize() {
    LoadFontSettings();
    if (LayOutResults(c_, ScaleWidth(), ScaleHeight()))
        ApplyDisplayFont(c_.Text1, FontSettings(), FontErrorStyle::SkipFailedStep);
}

void ResultsWindow::ClearVerseView() {
    c_.Text1->SetText(QString());
    c_.Text2[0]->SetText(QString());
    c_.Text2[1]->SetText(QString());
    c_.Label2->clear();
    for (int i = 0; i <= 5; ++i)
        c_.lab[i]->clear();
}

void ResultsWindow::ShowFoundVerse() {
    ClearVerseView();
    c_.Label1->setText(VisibleTafsirName(c_.Text2));
    c_.List2->setCurrentRow(c_.List1->currentRow());
    const QListWidgetItem* current = c_.List2->currentItem();
    showResult(current ? current->text() : QString());
    selectSearchWord();
}

void ResultsWindow::showResult(const QString& verseId) {
    const std::optional<VerseRecord> found = FindResult(ResultsFilePath(), verseId);
    if (!found)
        return;
    LoadSurahInfo(*found);
    const SurahInfoTexts& info = SurahInfo();
    c_.lab[0]->setText(info.SurahName);
    c_.lab[5]->setText(info.RevelationPlace);
    c_.lab[1]->setText(info.VerseCountText);
    c_.lab[3]->setText(info.WordCountText);
    c_.lab[4]->setText(info.LetterCountText);
    c_.lab[2]->setText(info.RevelationOrderText);
    c_.Text1->SetText(ShownVerseText(*found, c_.lab[0]->text()));
    c_.Text2[0]->SetText(found->Tafsir1);
    c_.Text2[1]->SetText(found->Tafsir2);
}

void ResultsWindow::selectSearchWord() {
    const QString t = c_.Text1->Text();
    QString h = SearchWord;
    if (DiacriticsMode != 1) {
        h = MatchingWalk(t, SearchWord);
        const QListWidgetItem* current = c_.List1->currentItem();
        c_.Label2->setText(QStringLiteral("  ") + (current ? current->text() : QString()));
    }
    if (const std::optional<TextSpan> span = SelectionSpan(t, h))
        c_.Text1->Select(span->start, span->length);
    c_.Text1->setFocus();
}

void ResultsWindow::Pic_Click(int index) {
    ShowTafsirPane(c_.Text2, c_.Label1, index);
}

void ResultsWindow::ClearResultLists() {
    const QSignalBlocker block(c_.List1);
    c_.List1->clear();
    c_.List2->clear();
}

void ResultsWindow::AddResults(const QStringList& texts, const QStringList& verseIds) {
    const QSignalBlocker block(c_.List1);
    for (const QString& text : texts)
        c_.List1->addItem(markableItem(text));
    for (const QString& id : verseIds)
        c_.List2->addItem(markableItem(id));
}

void ResultsWindow::ShowFirstResult() {
    {
        // Showing it once is enough: the change of row would show it too.
        const QSignalBlocker block(c_.List1);
        c_.List1->setCurrentRow(0);
    }
    ShowFoundVerse();
}

FindDialog* ResultsWindow::ShowFindDialog() {
    const bool created = !find_;
    if (created)
        find_ = new FindDialog(this);
    ShowActive(find_);
    // Placed once, over this window; later the user's place is kept.
    if (created)
        CentreWindow(find_, this);
    return find_;
}

FindDialog* ResultsWindow::FindDialogShown() const {
    return find_;
}

void ResultsWindow::ConnectCommand(QAction* item, std::function<void()> command) {
    item->setEnabled(true);
    connect(item, &QAction::triggered, this, [command = std::move(command)] {
        if (!WordSearchRunning())
            command();
    });
}

FontDialog* ResultsWindow::ShowFontDialog() {
    return ::ShowFontDialog(fontDialog_, this, {c_.Text1, browserVerseBox_});
}

QPixmap ResultsWindow::BackgroundTexture() const {
    return c_.Picture1->pixmap();
}

void ResultsWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (!menu_.en->isEnabled())
        EndProgram();
}

bool ResultsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == area_ && event->type() == QEvent::Resize) {
        Form_Resize();
        return false;
    }
    // A click or key in the list while a search fills it would show a hit
    // of a file still being written: it is dropped until the search ends.
    const bool inList = watched == c_.List1 || watched == c_.List1->viewport();
    if (inList && isUserInput(event->type()) && WordSearchRunning())
        return true;
    return QMainWindow::eventFilter(watched, event);
}
