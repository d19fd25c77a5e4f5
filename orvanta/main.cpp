#include "orvanta/shell/font_substitutions.h"
#include "orvanta/shell/window_flow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvanta"));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    InstallFontSubstitutions();

    WindowFlow windows;
    windows.Start();
    return app.exec();
}
