// Shows a web archive (.mht) in the desktop's web browser. Few browsers read
// web archives, and the desktop has no program for them: the desktop entry
// the set-up installs hands such files to this program, which takes the web
// page out of the archive, keeps it in the user's cache folder and opens it
// with the desktop's program for web pages.
#include "orvanta/shell/mht_page.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Orvanta"));
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: orvanta-help-viewer FILE.mht\n");
        return 2;
    }
    QFile archive(arguments[1]);
    if (!archive.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "orvanta-help-viewer: cannot read %s\n", qPrintable(arguments[1]));
        return 1;
    }
    const std::optional<MhtPage> page = ReadMhtPage(archive.readAll());
    if (!page) {
        std::fprintf(stderr, "orvanta-help-viewer: %s holds no web page\n",
                     qPrintable(arguments[1]));
        return 1;
    }

    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(folder);
    const QString name = QFileInfo(arguments[1]).completeBaseName() + QStringLiteral(".html");
    QSaveFile html(QDir(folder).filePath(name));
    // The page was decoded from the archive's charset: the byte order mark
    // tells the browser it is UTF-8 now, whatever the page itself declares.
    if (!html.open(QIODevice::WriteOnly) ||
        html.write(QByteArray("\xEF\xBB\xBF") + page->html.toUtf8()) < 0 || !html.commit()) {
        std::fprintf(stderr, "orvanta-help-viewer: cannot write %s\n", qPrintable(html.fileName()));
        return 1;
    }
    return QProcess::startDetached(QStringLiteral("xdg-open"), {html.fileName()}) ? 0 : 1;
}
