#pragma once

#include "velisar/engine/finder_view.h"
#include "velisar/engine/quran_texts.h"
#include "velisar/engine/verse_search.h"
#include "velisar/link/link_window.h"
#include "velisar/link/word_processor_link.h"
#include "velisar/window/qt_clipboard.h"
#include "velisar/window/single_instance.h"

#include <QSizeF>
#include <QWidget>
#include <functional>

class HelpPanel;
class KeyboardLayout;
class PictureButton;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class WordProcessor;

// Velisar's one window, Quran_Win: three picture buttons in the top-left
// corner, the search box, and the list of found verses under it. It rests
// minimised between uses and, restored, looks up the word processor's
// selection at once. The window state value lives in the "Tag" property:
// "Allah1" resting, "Run" being laid out for typed input, "KRD" awake.
//
// Geometry is kept in twips. The window's size is its outer size as the
// layout computes it (9500 x 4955 for typed input); the controls are drawn
// in the part below the title bar and inside the border.
class QuranWin : public QWidget, public FinderView, public LinkWindow {
    Q_OBJECT
    Q_PROPERTY(QString Tag READ Tag WRITE setTag)
public:
    struct Setup {
        QString programFolder; // where the two data files lie
        QString lockFilePath;  // held by the first running Velisar
    };

    QuranWin(WordProcessor& wordProcessor, KeyboardLayout& keyboard, const Setup& setup);
    ~QuranWin() override;

    // The load sequence. False when the program is to end without running:
    // another Velisar runs, a data file is missing, or the user ended it
    // during the first lookup.
    bool Form_Load();
    // What ending the program does; by default it leaves the event loop.
    void setEndProgram(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }

    QString Tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }
    // The outer size in twips, as the layout set it.
    QSizeF formSize() const { return formSize_; }

    void Show_Wait_Meassage();
    void Show_Quran_Result();
    void Start_Search_Click();
    void Cancel_Cmd_Click();
    void Brisko_Cmd_Click();
    void Form_Unload(int cancel);
    void End_Prg_Cmd_Click();

    // LinkWindow
    void yieldToEvents() override;
    void markSearchRunning() override;
    void enableWindow() override;
    void restoreNormalState() override;
    void clearForLookup() override;
    void Searching_By_myText() override;
    int resultRowCount() const override;
    int selectedRow() const override;
    void hideCopyAndHelpButtons() override;
    void Show_All_Command_Button() override;
    void Show_Icon_Window() override;
    void minimizeWindow() override;

    // FinderView
    void enterSearchMode() override;
    void showProgress(const QString& text) override;
    bool resultListShown() const override;
    void addResultRow(const QString& entry) override;
    void leaveSearchMode(const QString& textBoxText) override;
    void showResults(const QString& countText) override;
    void showNothingFound(const QString& query, const VelisarMessage& message) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void createButtons();
    void connectControls();

    void Form_Resize();
    void Form_MouseDown(Qt::MouseButton button);
    void Text1_Change();
    void Text1_GotFocus();
    bool Text1_KeyPress(QKeyEvent* event);
    bool Text1_KeyDown(QKeyEvent* event);
    void QRsult_Click();
    bool QRsult_KeyPress(QKeyEvent* event);
    bool QRsult_MouseDown(QMouseEvent* event);
    void Show_Quran_Result_List_Popup(double mouseTop, double mouseLeft);
    void Search_Count_Click();
    void Help_Lab_Click();

    // Whether Cancel only stops a search now, rather than sending the
    // window to rest.
    bool searchIsRunning() const;
    void setUnderHelpEnabled(bool enabled);
    void setFormSize(double width, double height);
    QSizeF innerSize() const;
    void centreForm();
    // Text1 across the window at top, the list right under it.
    void placeTextAndList(double top);
    // The window just wide and tall enough for the list where it lies.
    void sizeFormToList();

    QuranTexts texts_;
    VerseSearch search_;
    QtClipboard clipboard_;
    WordProcessorLink link_;
    KeyboardLayout& keyboard_;
    SingleInstance instance_;
    QString programFolder_;
    std::function<void()> endProgram_;

    QString tag_;
    QSizeF formSize_;
    bool searchRunning_ = false;
    bool ended_ = false;

    QLineEdit* Text1 = nullptr;
    QListWidget* QRsult = nullptr;
    QLabel* Lab1 = nullptr;
    QLabel* Search_Count = nullptr;
    QLabel* EsmASora_Lab = nullptr;
    PictureButton* Brisko_Cmd = nullptr;
    PictureButton* Cancel_Cmd = nullptr;
    PictureButton* Start_Search = nullptr;
    QPushButton* Copy_Aya_2Mem = nullptr;
    HelpPanel* Help_Pic = nullptr;
};
