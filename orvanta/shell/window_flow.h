#pragma once

#include "orvanta/shell/about_box.h"
#include "orvanta/shell/sound_player.h"
#include "orvanta/shell/start_screen_steps.h"

#include <QObject>
#include <QPointer>
#include <memory>

class BrowserWindow;
class ResultsWindow;
class StartScreen;
class QWidget;

// Orvanta's windows and the ways between them. It starts the program on its
// start screen (Form3), creates the browser (Form2) and the results window
// (Form1) hidden while the start screen loads and first sizes itself, keeps
// them for the whole run, and carries out the commands that open, hide and
// close windows: the start screen's buttons, the results window's menu items
// "إنهاء", "بحث عن كلمة", "تصفح المصحف", "تعليمات" and "حول", and the
// browser's "رجوع".
//
// The program ends only through EndProgram: by "إنهاء", when the results
// window is closed while it is the working window, or when the browser is
// closed while it has not been left through "رجوع". And, so that it never
// runs on without a window, when the user closes a window and none of the
// three main windows is left on screen.
class WindowFlow : public QObject {
    Q_OBJECT
public:
    // Without a player the greeting is played with Qt Multimedia.
    explicit WindowFlow(std::unique_ptr<SoundPlayer> player = nullptr);
    ~WindowFlow() override;

    // Loads the start screen and shows it maximised.
    void Start();

    StartScreen* Form3() const { return form3_; }
    // Null until the start-up has created them.
    ResultsWindow* Form1() const { return form1_; }
    BrowserWindow* Form2() const { return form2_; }
    // The about box while it is open.
    AboutBox* hola() const { return hola_; }
    const StartScreenSteps& Steps() const { return steps_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ResultsWindow* results();
    BrowserWindow* browser();
    void IntroduceVerseBoxes();

    void StartButton(int index);
    void BrowseMushaf(); // fis
    void Back();         // the browser's back command (Command6)
    // The search dialog over the results window; a new one is centred on it.
    void ShowFindDialog();
    void ShowAbout(); // he
    void EndWhenNoWindowLeft();

    std::unique_ptr<SoundPlayer> player_;
    StartScreenSteps steps_;
    StartScreen* form3_ = nullptr;
    ResultsWindow* form1_ = nullptr;
    BrowserWindow* form2_ = nullptr;
    QPointer<AboutBox> hola_;
};
