#pragma once

class QAction;
class QMainWindow;
class QMenu;

// The results window's menu bar, each item named as the window's design
// names it. The menus' own items (f, fi, co, com, hel) open their submenus;
// tnsek stands on the bar itself.
struct ResultsMenu {
    QMenu* f = nullptr;        // "ملف"
    QAction* en = nullptr;     // "إنهاء", Ctrl+Q
    QMenu* fi = nullptr;       // "بحث وتصفح"
    QAction* fik = nullptr;    // "بحث عن كلمة", Ctrl+F
    QAction* fis = nullptr;    // "تصفح المصحف", Ctrl+G
    QMenu* co = nullptr;       // "النسخ"
    QAction* coa = nullptr;    // "نسخ الآية", Ctrl+C
    QAction* cot = nullptr;    // "نسخ الآية و تفسيرها", Ctrl+S
    QAction* li = nullptr;     // separator
    QMenu* com = nullptr;      // "نسخ المحدد"
    QAction* cop_2 = nullptr;  // "الآيات فقط", Ctrl+D
    QAction* cop_3 = nullptr;  // "الآيات وتفسيرها", Ctrl+E
    QAction* tnsek = nullptr;  // "تنسيق"
    QMenu* hel = nullptr;      // "مساعدة"
    QAction* help_1 = nullptr; // "تعليمات", F1
    QAction* he = nullptr;     // "حول"
};

// Builds the menu bar. The items that open windows of their own (fis,
// tnsek, help_1, he) and the copy commands start disabled: each is enabled
// when its command is connected (ResultsWindow::ConnectCommand).
ResultsMenu CreateResultsMenu(QMainWindow* window);
