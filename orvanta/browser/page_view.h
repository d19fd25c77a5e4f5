#pragma once

#include <QObject>

class BrowserWindow;
class BuildRunner;

// The page view of the browser: a page chosen in Combo4 slides the choice
// panel to the top, clears every text of the window, and shows the page's
// verses with surah headers and verse numbers in the display font.
class PageView : public QObject {
    Q_OBJECT
public:
    PageView(BrowserWindow* window, BuildRunner* builds);

    // The page build, run by the window's build runner. The slide lets the
    // window handle events for 0.4 s; a page chosen meanwhile breaks this
    // build off and starts its own slide, so only the page Combo4 names when
    // a slide ends is read and shown, once.
    void ShowChosenPage();

private:
    void build();
    bool slide();
    void showPage();

    BrowserWindow* window_;
    BuildRunner* builds_;
};
