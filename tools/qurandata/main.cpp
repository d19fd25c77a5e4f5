// qurandata: builds the programs' data files.
//   qurandata --source DIR --out DIR [--tafsir1 FILE] [--tafsir2 FILE]

#include "tools/qurandata/quran_data_builder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qurandata"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Builds qor, VelisarT.KRD and Velisar.KRD from the texlive quran package "
                       "and, optionally, two tafsir files in sura|aya|text lines."));
    parser.addHelpOption();
    const QCommandLineOption source(
        QStringLiteral("source"), QStringLiteral("Folder with qurantext-simple.def and quran.sty."),
        QStringLiteral("dir"));
    const QCommandLineOption out(QStringLiteral("out"),
                                 QStringLiteral("The programs' folder to write into."),
                                 QStringLiteral("dir"));
    const QCommandLineOption tafsir1(QStringLiteral("tafsir1"),
                                     QStringLiteral("Tafsir al-Jalalayn, sura|aya|text lines."),
                                     QStringLiteral("file"));
    const QCommandLineOption tafsir2(QStringLiteral("tafsir2"),
                                     QStringLiteral("Tafsir al-Muyassar, sura|aya|text lines."),
                                     QStringLiteral("file"));
    parser.addOptions({source, out, tafsir1, tafsir2});
    parser.process(app);

    QTextStream err(stderr);
    if (!parser.isSet(source) || !parser.isSet(out)) {
        err << "qurandata: --source and --out are required\n";
        return 2;
    }

    const BuildReport report = buildQuranData(
        {parser.value(source), parser.value(out), parser.value(tafsir1), parser.value(tafsir2)});
    if (!report.ok) {
        err << "qurandata: " << report.error
            << "\nqurandata: the data files were left as they were\n";
        return 1;
    }
    QTextStream outStream(stdout);
    if (report.replaced.isEmpty())
        outStream << "qurandata: the data files are up to date\n";
    else
        outStream << "qurandata: wrote " << report.replaced.join(QStringLiteral(", ")) << '\n';
    return 0;
}
