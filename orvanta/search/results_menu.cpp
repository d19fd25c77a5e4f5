#include "orvanta/search/results_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

QMenu* menu(QWidget* parent, const char* name, const QString& caption) {
    auto* m = new QMenu(caption, parent);
    m->setObjectName(QLatin1String(name));
    m->menuAction()->setObjectName(QLatin1String(name));
    return m;
}

QAction* item(QMenu* parent, const char* name, const QString& caption,
              const QKeySequence& shortcut = {}, bool enabled = false) {
    QAction* a = parent->addAction(caption);
    a->setObjectName(QLatin1String(name));
    a->setShortcut(shortcut);
    a->setEnabled(enabled);
    return a;
}

} // namespace

ResultsMenu CreateResultsMenu(QMainWindow* window) {
    ResultsMenu m;
    QMenuBar* bar = window->menuBar();

    m.f = menu(bar, "f", QStringLiteral("ملف"));
    m.en = item(m.f, "en", QStringLiteral("إنهاء"), QKeySequence(Qt::CTRL | Qt::Key_Q), true);

    m.fi = menu(bar, "fi", QStringLiteral("بحث وتصفح"));
    m.fik =
        item(m.fi, "fik", QStringLiteral("بحث عن كلمة"), QKeySequence(Qt::CTRL | Qt::Key_F), true);
    m.fis = item(m.fi, "fis", QStringLiteral("تصفح المصحف"), QKeySequence(Qt::CTRL | Qt::Key_G));

    m.co = menu(bar, "co", QStringLiteral("النسخ"));
    m.coa = item(m.co, "coa", QStringLiteral("نسخ الآية"), QKeySequence(Qt::CTRL | Qt::Key_C));
    m.cot = item(m.co, "cot", QStringLiteral("نسخ الآية و تفسيرها"),
                 QKeySequence(Qt::CTRL | Qt::Key_S));
    m.li = m.co->addSeparator();
    m.li->setObjectName(QStringLiteral("li"));
    m.li->setText(QStringLiteral("-"));
    m.com = menu(m.co, "com", QStringLiteral("نسخ المحدد"));
    m.co->addMenu(m.com);
    m.cop_2 =
        item(m.com, "cop_2", QStringLiteral("الآيات فقط"), QKeySequence(Qt::CTRL | Qt::Key_D));
    m.cop_3 =
        item(m.com, "cop_3", QStringLiteral("الآيات وتفسيرها"), QKeySequence(Qt::CTRL | Qt::Key_E));

    m.tnsek = new QAction(QStringLiteral("تنسيق"), bar);
    m.tnsek->setObjectName(QStringLiteral("tnsek"));
    m.tnsek->setEnabled(false);

    m.hel = menu(bar, "hel", QStringLiteral("مساعدة"));
    m.help_1 = item(m.hel, "help_1", QStringLiteral("تعليمات"), QKeySequence(Qt::Key_F1));
    m.he = item(m.hel, "he", QStringLiteral("حول"));

    bar->addMenu(m.f);
    bar->addMenu(m.fi);
    bar->addMenu(m.co);
    bar->addAction(m.tnsek);
    bar->addMenu(m.hel);
    return m;
}
