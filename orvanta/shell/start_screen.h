#pragma once

#include "orvanta/shell/picture_box.h"

#include <functional>

class PictureButton;
class StartScreenSteps;
class QLabel;

// Where the start screen takes the pictures other windows hold; both are
// needed. Taking one creates its window, hidden, when it does not exist yet.
struct StartScreenSources {
    std::function<QPixmap()> BrowserBanner;     // the browser's Image3
    std::function<QPixmap()> BackgroundTexture; // the results window's Picture1
};

// The start screen (Form3): borderless and maximised, tiled with the
// background texture, with a centred panel holding the banner, the artwork
// and the three buttons "إنهاء", "بحث" and "تصفح". Its loading copies the
// browser's banner; its first sizing takes the results window's background.
class StartScreen : public PictureBox {
    Q_OBJECT
public:
    StartScreen(StartScreenSteps& steps, const StartScreenSources& sources);

    // Shows the window maximised and makes it the active window. Without a
    // window manager that would maximise it, it is given the screen's area.
    void ShowMaximized();

    PictureBox* Picture1() const { return picture1_; }
    PictureButton* Picture2(int index) const { return picture2_[index]; }
    QLabel* Image3() const { return image3_; }
    QLabel* Image4() const { return image4_; }

    // Inner width and height in twips.
    double ScaleWidth() const;
    double ScaleHeight() const;

signals:
    // A click on button 0 "إنهاء", 1 "بحث" or 2 "تصفح".
    void ButtonClicked(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Resize();
    void Picture2_MouseMove(int index);
    void Image4_MouseMove();

    StartScreenSteps& steps_;
    StartScreenSources sources_;
    PictureBox* picture1_ = nullptr;
    QLabel* image3_ = nullptr;
    QLabel* image4_ = nullptr;
    PictureButton* picture2_[3] = {};
};
