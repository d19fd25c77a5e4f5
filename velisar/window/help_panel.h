#pragma once

#include <QSizeF>
#include <QWidget>

class QLabel;
class QPushButton;

// The help panel, Help_Pic: it covers the whole finder window with five tabs
// (Help_Cmd(1) to Help_Cmd(5)) across the top, a strip (Pic1) under the
// selected one and a page of text per tab (Help_Lab(1) to Help_Lab(5)).
// Pages stack in the order their tabs were clicked; a click on a page or on
// the strip asks for the panel to close.
class HelpPanel : public QWidget {
    Q_OBJECT
public:
    explicit HelpPanel(QWidget* parent);

    // Lays the panel over a window of formTwips (its outer size), fills the
    // pages and opens on page 5.
    void open(QSizeF formTwips);
    // Selects tab index (1 to 5): its page comes to the front.
    void Help_Cmd_Click(int index);
    void Put_Data_inHelp_Lab();

signals:
    void closeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A click on the panel between its pages goes no further: the window
    // under it would bring its buttons up over the panel.
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPushButton* tabs_[6] = {};
    QLabel* pages_[6] = {};
    QWidget* strip_ = nullptr;
};
