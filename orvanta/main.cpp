#include "orvanta/browser/browser_window.h"
#include "orvanta/shell/font_substitutions.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvanta"));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    InstallFontSubstitutions();

    BrowserWindow browser;
    browser.show();
    browser.activateWindow();
    return app.exec();
}
