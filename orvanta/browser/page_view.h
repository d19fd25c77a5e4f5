#pragma once

#include <QObject>

class BrowserWindow;

// The page view of the browser: a page chosen in Combo4 slides the choice
// panel to the top, clears every text of the window, and shows the page's
// verses with surah headers and verse numbers in the display font.
class PageView : public QObject {
    Q_OBJECT
public:
    explicit PageView(BrowserWindow* window);

    // The page build. The slide lets the window handle events for 0.4 s; a
    // page chosen meanwhile starts the slide's time again, and only the page
    // Combo4 names when the slide ends is read and shown, once.
    void ShowChosenPage();

    bool IsBuilding() const { return building_; }

private:
    void slide();
    void showPage();

    BrowserWindow* window_;
    bool building_ = false;
    bool chosenAgain_ = false;
};
