// The finder window's keyboard and mouse: typed search, the result list and
// its copy pop-up, the help button.
#include "common/twips_geometry.h"
#include "velisar/engine/clean_search_text.h"
#include "velisar/window/finder_texts.h"
#include "velisar/window/help_panel.h"
#include "velisar/window/picture_button.h"
#include "velisar/window/popup_placement.h"
#include "velisar/window/quran_win.h"
#include "velisar/window/text1_keys.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

bool QuranWin::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == Text1) {
        if (type == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            return Text1_KeyDown(key) || Text1_KeyPress(key);
        }
        if (type == QEvent::FocusIn)
            Text1_GotFocus();
        if (type == QEvent::MouseButtonPress)
            Form_MouseDown(static_cast<QMouseEvent*>(event)->button());
    } else if (watched == QRsult) {
        if (type == QEvent::KeyPress)
            return QRsult_KeyPress(static_cast<QKeyEvent*>(event));
    } else if (watched == QRsult->viewport()) {
        if (type == QEvent::MouseButtonPress)
            return QRsult_MouseDown(static_cast<QMouseEvent*>(event));
    } else if (watched == Search_Count || watched == EsmASora_Lab) {
        if (type == QEvent::MouseButtonPress)
            Form_MouseDown(static_cast<QMouseEvent*>(event)->button());
        if (type == QEvent::MouseButtonRelease && watched == Search_Count)
            Search_Count_Click();
    }
    return QWidget::eventFilter(watched, event);
}

void QuranWin::keyPressEvent(QKeyEvent* event) {
    // Keys no control took, the Cancel button's among them.
    if (event->key() == Qt::Key_Escape)
        search_.requestStop();
    QWidget::keyPressEvent(event);
}

void QuranWin::mousePressEvent(QMouseEvent* event) {
    Form_MouseDown(event->button());
}

void QuranWin::Form_MouseDown(Qt::MouseButton button) {
    hideCopyAndHelpButtons();
    Show_All_Command_Button();
    if (button != Qt::RightButton || searchRunning_)
        return;
    const QRectF help = twipsGeometry(Brisko_Cmd);
    setTwipsGeometry(Brisko_Cmd, QRectF((formSize().width() - help.width()) / 2, 60, help.width(),
                                        help.height()));
    Brisko_Cmd->show();
    Brisko_Cmd->raise();
    Brisko_Cmd->setEnabled(true);
    Brisko_Cmd->setFocus();
}

void QuranWin::Start_Search_Click() {
    const QRectF text = twipsGeometry(Text1);
    setTwipsGeometry(Lab1, QRectF(0, text.top(), text.width(), text.height()));
    hideCopyAndHelpButtons();
    yieldToEvents();
    const QString query = Clean_Search_Text(Text1->text());
    if (query.isEmpty()) {
        Text1->clear();
        Show_All_Command_Button();
        Text1->setFocus();
        return;
    }
    Show_All_Command_Button();
    search_.Find_Text_In_Quran(query);
}

void QuranWin::Text1_Change() {
    if (searchIsRunning())
        return;
    Start_Search->setEnabled(!trimSpaces(Text1->text()).isEmpty());
}

void QuranWin::Text1_GotFocus() {
    hideCopyAndHelpButtons();
    Show_All_Command_Button();
    Text1->selectAll();
}

bool QuranWin::Text1_KeyPress(QKeyEvent* event) {
    switch (classifyText1Key(event->key(), event->text())) {
    case Text1Key::Accept:
        return false;
    case Text1Key::Discard:
        return true;
    case Text1Key::Search:
        Start_Search_Click();
        return true;
    case Text1Key::StopSearch:
        search_.requestStop();
        return true;
    }
    return true;
}

bool QuranWin::Text1_KeyDown(QKeyEvent* event) {
    if (event->key() == Qt::Key_Down) {
        focusNextChild();
        return true;
    }
    if (event->key() == Qt::Key_Up) {
        focusPreviousChild();
        return true;
    }
    return false;
}

void QuranWin::QRsult_Click() {
    const int row = QRsult->currentRow();
    if (row >= 0)
        EsmASora_Lab->setText(search_.resultLabel(row));
}

bool QuranWin::QRsult_KeyPress(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        link_.QRsult_DblClick();
        return true;
    case Qt::Key_Escape:
        End_Prg_Cmd_Click();
        return true;
    default:
        return false;
    }
}

bool QuranWin::QRsult_MouseDown(QMouseEvent* event) {
    hideCopyAndHelpButtons();
    Show_All_Command_Button();
    if (event->button() != Qt::RightButton)
        return false;
    if (QRsult->count() > 0) {
        const QPointF inList = QRsult->viewport()->mapTo(QRsult, event->position());
        const double perPixel = twipsPerPixel(this);
        Show_Quran_Result_List_Popup(inList.y() * perPixel, inList.x() * perPixel);
    }
    // A right click leaves the selected row as it was: the pop-up copies it.
    return true;
}

void QuranWin::Show_Quran_Result_List_Popup(double mouseTop, double mouseLeft) {
    const QRectF button = twipsGeometry(Copy_Aya_2Mem);
    const QPointF topLeft = copyPopupTopLeft({mouseLeft, mouseTop}, twipsTop(QRsult), button.size(),
                                             formSize(), innerSize());
    setTwipsGeometry(Copy_Aya_2Mem, QRectF(topLeft, button.size()));
    Copy_Aya_2Mem->show();
    Copy_Aya_2Mem->raise();
    Copy_Aya_2Mem->setEnabled(true);
    Copy_Aya_2Mem->setFocus();
}

void QuranWin::Search_Count_Click() {
    hideCopyAndHelpButtons();
    Show_All_Command_Button();
}

void QuranWin::Brisko_Cmd_Click() {
    setUnderHelpEnabled(false);
    Help_Pic->open(formSize());
}

void QuranWin::Help_Lab_Click() {
    setUnderHelpEnabled(true);
    Help_Pic->hide();
}

void QuranWin::setUnderHelpEnabled(bool enabled) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             Text1, QRsult, Search_Count, EsmASora_Lab, Brisko_Cmd, Cancel_Cmd, Start_Search})
        control->setEnabled(enabled);
}
