#include "orvanta/shell/window_flow.h"

#include "orvanta/browser/back_to_results.h"
#include "orvanta/browser/browser_window.h"
#include "orvanta/search/results_window.h"
#include "orvanta/shell/about_box.h"
#include "orvanta/shell/help_command.h"
#include "orvanta/shell/picture_button.h"
#include "orvanta/shell/program_end.h"
#include "orvanta/shell/sound_effect_player.h"
#include "orvanta/shell/start_screen.h"
#include "orvanta/shell/text_box.h"
#include "orvanta/shell/window_placement.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr char kPlaced[] = "orvantaPlaced";

// Where a main window stands the first time it is shown: centred on the
// screen's work area.
void PlaceOnFirstShow(QWidget* window) {
    if (window->property(kPlaced).toBool())
        return;
    window->setProperty(kPlaced, true);
    CentreWindow(window);
}

// The results window or the browser.
void ShowMainWindow(QWidget* window) {
    PlaceOnFirstShow(window);
    ShowActive(window);
}

} // namespace

WindowFlow::WindowFlow(std::unique_ptr<SoundPlayer> player)
    : player_(player ? std::move(player) : std::make_unique<SoundEffectPlayer>()),
      steps_(*player_, &ProgramEnding) {}

WindowFlow::~WindowFlow() {
    delete form3_;
    delete form1_; // with the search dialog and the about box it owns
    delete form2_;
}

void WindowFlow::Start() {
    // The hidden results window and browser live on while the program runs;
    // when it ends is decided here, not by the last window on screen.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    StartScreenSources sources;
    sources.BrowserBanner = [this] { return browser()->Controls().Image3->pixmap(); };
    sources.BackgroundTexture = [this] { return results()->BackgroundTexture(); };
    form3_ = new StartScreen(steps_, sources);
    form3_->installEventFilter(this);
    connect(form3_, &StartScreen::ButtonClicked, this, &WindowFlow::StartButton);
    form3_->ShowMaximized();
}

ResultsWindow* WindowFlow::results() {
    if (form1_)
        return form1_;
    form1_ = new ResultsWindow;
    form1_->installEventFilter(this);
    const ResultsMenu& menu = form1_->Menu();
    form1_->ConnectCommand(menu.fis, [this] { BrowseMushaf(); });
    form1_->ConnectCommand(menu.help_1, [this] { ShowHelp(form1_); });
    form1_->ConnectCommand(menu.he, [this] { ShowAbout(); });
    IntroduceVerseBoxes();
    return form1_;
}

BrowserWindow* WindowFlow::browser() {
    if (form2_)
        return form2_;
    form2_ = new BrowserWindow;
    form2_->installEventFilter(this);
    const BrowserControls& c = form2_->Controls();
    connect(c.Picture2[1], &PictureBox::clicked, c.Command6, &QPushButton::click);
    connect(c.Command6, &QPushButton::clicked, this, &WindowFlow::Back);
    IntroduceVerseBoxes();
    return form2_;
}

// The font dialog, opened from either window, applies the font to the verse
// boxes of both.
void WindowFlow::IntroduceVerseBoxes() {
    if (!form1_ || !form2_)
        return;
    form1_->SetBrowserVerseBox(form2_->Controls().Text1);
    form2_->SetResultsVerseBox(form1_->Controls().Text1);
}

void WindowFlow::StartButton(int index) {
    switch (index) {
    case 0:
        EndProgram();
        break;
    case 1:
        form3_->close();
        ShowMainWindow(results());
        ShowFindDialog();
        break;
    case 2:
        form3_->close();
        ShowMainWindow(browser());
        break;
    default:
        break;
    }
}

void WindowFlow::BrowseMushaf() {
    ShowMainWindow(browser());
    results()->hide();
    results()->Menu().en->setEnabled(true);
}

void WindowFlow::Back() {
    BackToResults = 1;
    browser()->hide();
    ShowMainWindow(results());
    if (results()->Controls().List1->count() < 1)
        ShowFindDialog();
}

void WindowFlow::ShowFindDialog() {
    results()->ShowFindDialog();
}

void WindowFlow::ShowAbout() {
    if (!hola_)
        hola_ = new AboutBox(results());
    ShowActive(hola_);
}

void WindowFlow::EndWhenNoWindowLeft() {
    if (ProgramEnding())
        return;
    for (const QWidget* window : {static_cast<QWidget*>(form3_), static_cast<QWidget*>(form1_),
                                  static_cast<QWidget*>(form2_)}) {
        if (window && window->isVisible())
            return;
    }
    EndProgram();
}

bool WindowFlow::eventFilter(QObject* watched, QEvent* event) {
    // Looked at once the close and whatever it started are over: a window
    // closed on the way to another is no window left.
    if (event->type() == QEvent::Close)
        QTimer::singleShot(0, this, &WindowFlow::EndWhenNoWindowLeft);
    return QObject::eventFilter(watched, event);
}
