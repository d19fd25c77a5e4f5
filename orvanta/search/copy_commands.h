#pragma once

#include <QObject>

class KeyboardLayouts;
class ResultsWindow;

// The four commands of the results window's menu "النسخ": the shown verse
// (coa), with its visible tafsir (cot), and the marked verses (cop_2), with
// tafsir (cop_3), put on the clipboard as plain text and confirmed by a
// message box. Each turns Arabic input on before it copies. A command chosen
// while a word search runs is ignored.
class CopyCommands : public QObject {
    Q_OBJECT
public:
    // Connects the window's menu items to the commands. Ctrl+C is the menu's
    // "نسخ الآية" also while the read-only verse box has a selection: the box
    // claims no shortcut of its own.
    CopyCommands(ResultsWindow* window, KeyboardLayouts& layouts);

    // The layouts SwitchKeyboard works on.
    void SetKeyboardLayouts(KeyboardLayouts& layouts) { layouts_ = &layouts; }

    void coa();
    void cot();
    void cop_2();
    void cop_3();

private:
    void copyMarked(bool withTafsir);

    ResultsWindow* window_;
    KeyboardLayouts* layouts_;
};
