#include "common/twips_geometry.h"
#include "orvanta/shell/about_box.h"
#include "orvanta/shell/font_substitutions.h"
#include "orvanta/shell/help_command.h"
#include "orvanta/shell/message_box.h"
#include "orvanta/store/app_dir.h"
#include "support/message_box_watcher.h"
#include "support/recording_desktop.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

class TestAboutBox : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void controls_data();
    void controls();
    void box();
    void texts();
    void textsFit();
    void links();
    void okCloses();
    void help_data();
    void help();

private:
    RecordingDesktop desktop_;
    QWidget owner_;
};

void TestAboutBox::initTestCase() {
    InstallFontSubstitutions();
    for (const char* scheme : {"file", "https", "mailto"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), &desktop_, "open");
}

void TestAboutBox::cleanupTestCase() {
    for (const char* scheme : {"file", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

void TestAboutBox::init() {
    desktop_.opened.clear();
}

void TestAboutBox::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRectF>("rect");
    QTest::newRow("Image1") << "Image1" << QRectF(1680, 120, 3000, 1200);
    QTest::newRow("the tall picture") << "Image2" << QRectF(120, 0, 1095, 2340);
    QTest::newRow("Label2") << "Label2" << QRectF(1560, 1320, 3255, 615);
    QTest::newRow("Label1") << "Label1" << QRectF(1560, 1920, 3255, 570);
    QTest::newRow("Label3") << "Label3" << QRectF(1440, 2520, 1695, 255);
    QTest::newRow("Label8") << "Label8" << QRectF(3360, 2520, 1440, 195);
    QTest::newRow("Command1") << "Command1" << QRectF(120, 2400, 1095, 330);
    QTest::newRow("Shape1, round the whole box") << "Shape1" << QRectF(0, 0, 5235, 2895);
}

void TestAboutBox::controls() {
    QFETCH(QString, name);
    AboutBox hola(&owner_);
    auto* control = hola.findChild<QWidget*>(name);
    QVERIFY(control);
    QTEST(twipsGeometry(control), "rect");
    if (auto* picture = qobject_cast<QLabel*>(control); picture && name.startsWith("Image"))
        QVERIFY(!picture->pixmap().isNull());
}

// Borderless, white, its own window owned by the window that opened it, and
// centred on the screen.
void TestAboutBox::box() {
    AboutBox hola(&owner_);
    QCOMPARE(hola.objectName(), QStringLiteral("hola"));
    QVERIFY(hola.isWindow());
    QCOMPARE(hola.parentWidget(), &owner_);
    QVERIFY(hola.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(hola.palette().color(QPalette::Window), QColor(Qt::white));
    const double perPixel = twipsPerPixel(&hola);
    QCOMPARE(hola.size(), QSize(qRound(5235 / perPixel), qRound(2895 / perPixel)));
    const QRect screen = hola.screen()->geometry();
    QCOMPARE(hola.pos(),
             QPoint((screen.width() - hola.width()) / 2, (screen.height() - hola.height()) / 2));
    QVERIFY(!hola.isModal());
}

void TestAboutBox::texts() {
    AboutBox hola(&owner_);
    QCOMPARE(hola.Label2()->text(),
             QStringLiteral("هــذا هو الإصدار الأول من البرنامـج وهو مجاني\r\n"
                            "لإثراء المكتبة الحاسوبية بالبرامج العربية المفيدة\r\n"
                            "دعــواتكــم الصالحـــة لـــي ولجميــع المسلميــن"));
    QCOMPARE(hola.Label8()->text(), QStringLiteral("المشرف على البرنامج"));
    QCOMPARE(hola.Label8()->toolTip(), QStringLiteral("بريد المشرف على البرنامج"));
    QVERIFY(hola.Label8()->font().underline());
    QCOMPARE(hola.Command1()->text(), QStringLiteral("موافق"));
    // The greeting names the project and credits the Quran text's source.
    QVERIFY(hola.Label1()->text().contains(QStringLiteral("QuranDesk")));
    QVERIFY(hola.Label1()->text().contains(QStringLiteral("tanzil.net")));
    QVERIFY(hola.Label1()->toolTip().contains(QStringLiteral("tanzil.net")));
    QVERIFY(hola.Label3()->text().contains(QStringLiteral("هـ")));
    for (QLabel* link : {hola.Label1(), hola.Label8()})
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
}

// Every line of the labels stands whole in its label: as wide as the label
// at most, and the lines' ink within its height.
void TestAboutBox::textsFit() {
    AboutBox hola(&owner_);
    for (QLabel* label : {hola.Label1(), hola.Label2(), hola.Label3(), hola.Label8()}) {
        const QFontMetrics metrics(label->font());
        const QStringList lines = label->text().split(QStringLiteral("\r\n"));
        for (const QString& line : lines)
            QVERIFY2(metrics.horizontalAdvance(line) <= label->width(), qPrintable(line));
        const int inked = metrics.lineSpacing() * int(lines.size() - 1) +
                          metrics.tightBoundingRect(lines.last()).height();
        QVERIFY2(inked <= label->height(), qPrintable(label->objectName()));
    }
}

void TestAboutBox::links() {
    AboutBox hola(&owner_);
    hola.show();
    QVERIFY(QTest::qWaitForWindowExposed(&hola));
    QTest::mouseClick(hola.Label1(), Qt::LeftButton);
    QTest::mouseClick(hola.Label8(), Qt::LeftButton);
    QCOMPARE(desktop_.opened, (QList<QUrl>{QUrl(QStringLiteral("https://tanzil.net")),
                                           QUrl(QStringLiteral("mailto:?subject=Orvanta"))}));
    // Elsewhere in the box a click opens nothing.
    QTest::mouseClick(hola.Label2(), Qt::LeftButton);
    QCOMPARE(desktop_.opened.size(), 2);
}

void TestAboutBox::okCloses() {
    QPointer<AboutBox> hola = new AboutBox(&owner_);
    hola->show();
    QVERIFY(QTest::qWaitForWindowExposed(hola));
    QTest::mouseClick(hola->Command1(), Qt::LeftButton);
    QTRY_VERIFY(!hola); // closed and discarded
}

// The help command opens help.mht when the program folder holds it as a
// file, whatever the file's permissions or the folder's visibility; else it
// says the help is missing.
void TestAboutBox::help_data() {
    QTest::addColumn<QString>("folder"); // the program folder, in the test's folder
    QTest::addColumn<QString>("make");   // how help.mht is there
    QTest::addColumn<bool>("opened");
    QTest::newRow("a file") << "bin"
                            << "file" << true;
    QTest::newRow("read-only") << "bin"
                               << "read-only" << true;
    QTest::newRow("unreadable") << "bin"
                                << "unreadable" << true;
    QTest::newRow("in a hidden folder") << ".bin"
                                        << "file" << true;
    QTest::newRow("a link to a file") << "bin"
                                      << "link" << true;
    QTest::newRow("missing") << "bin"
                             << "none" << false;
    QTest::newRow("a folder named help.mht") << "bin"
                                             << "folder" << false;
    QTest::newRow("a link to nothing") << "bin"
                                       << "dangling link" << false;
}

void TestAboutBox::help() {
    QFETCH(QString, folder);
    QFETCH(QString, make);
    QFETCH(bool, opened);
    QTemporaryDir root;
    QDir dir(root.path());
    QVERIFY(dir.mkpath(folder));
    SetAppDir(dir.filePath(folder));
    const QString path = HelpFilePath();
    QCOMPARE(path, dir.filePath(folder) + QStringLiteral("/help.mht"));
    if (make == "folder") {
        QVERIFY(dir.mkpath(path));
    } else if (make == "link") {
        QFile target(root.filePath(QStringLiteral("real.mht")));
        QVERIFY(target.open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(target.fileName(), path));
    } else if (make == "dangling link") {
        QVERIFY(QFile::link(root.filePath(QStringLiteral("gone.mht")), path));
    } else if (make != "none") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        if (make == "read-only")
            QVERIFY(f.setPermissions(QFile::ReadOwner));
        if (make == "unreadable")
            QVERIFY(f.setPermissions({}));
    }

    MessageBoxWatcher boxes;
    ShowHelp(&owner_);
    if (opened) {
        QCOMPARE(desktop_.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
        QVERIFY(boxes.seen().isEmpty());
    } else {
        QVERIFY(desktop_.opened.isEmpty());
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.seen().first().title, QStringLiteral("عفوا"));
        QCOMPARE(boxes.seen().first().text, QStringLiteral("ملف التعليمات غير موجود"));
        QCOMPARE(boxes.seen().first().icon, QMessageBox::NoIcon);
        // Right to left, the text standing at the right edge.
        QCOMPARE(boxes.seen().first().direction, Qt::RightToLeft);
        QVERIFY(QStyle::visualAlignment(Qt::RightToLeft, boxes.seen().first().alignment) &
                Qt::AlignRight);
    }
}

QTEST_MAIN(TestAboutBox)
#include "test_about_box.moc"
