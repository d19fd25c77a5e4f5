#include "common/twips_geometry.h"
#include "orvanta/shell/font_dialog.h"
#include "orvanta/shell/font_settings.h"
#include "orvanta/shell/font_substitutions.h"
#include "orvanta/shell/text_box.h"
#include "support/file_bytes.h"
#include "support/typing.h"
#include "support/widget_driving.h"
#include "tests/orvanta/font_file.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>

namespace {

void retype(QComboBox* combo, const QString& text) {
    combo->lineEdit()->selectAll();
    QTest::keyClick(combo->lineEdit(), Qt::Key_Delete);
    typeText(combo->lineEdit(), text);
}

struct Shown {
    QString family;
    double points;
    bool bold;
};

Shown shown(const QWidget* box) {
    return {box->font().family(), box->font().pointSizeF(), box->font().bold()};
}

} // namespace

class TestFontDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void design();
    void centredOnTheScreen();
    void firstRun();
    void boldFalseWritesNothingOnOpening();
    void typingChangesNothing();
    void choosingFromAList_data();
    void choosingFromAList();
    void boldToggle();
    void sizeThatIsNoNumber();
    void unwritableFontFile();
    void reopeningKeepsTheLastChoice();
    void oneBoxOnly();
    void closeButton();

private:
    FontDialog* open();

    std::unique_ptr<QWidget> owner_;
    TextBox* form1Text1_ = nullptr;
    TextBox* form2Text1_ = nullptr;
    QPointer<FontDialog> dialog_;
};

void TestFontDialog::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    InstallFontSubstitutions();
}

void TestFontDialog::init() {
    writeFontFile({});
    owner_ = std::make_unique<QWidget>();
    // The verse boxes as the two windows leave them: 18-point normal
    // "Andalus".
    QFont start(QStringLiteral("Andalus"));
    start.setPointSizeF(18);
    form1Text1_ = new TextBox(owner_.get());
    form2Text1_ = new TextBox(owner_.get());
    form1Text1_->setFont(start);
    form2Text1_->setFont(start);
    owner_->show();
}

void TestFontDialog::cleanup() {
    owner_.reset();
    QDir(FontFilePath()).removeRecursively();
    writeFontFile({});
}

FontDialog* TestFontDialog::open() {
    return ShowFontDialog(dialog_, owner_.get(), {form1Text1_, form2Text1_});
}

void TestFontDialog::design() {
    writeFontFile({"Tahoma", "20", "False"});
    FontDialog* d = open();
    QCOMPARE(d->objectName(), QStringLiteral("tnsek_1"));
    QCOMPARE(d->windowTitle(), QStringLiteral("خيارات تغيير نوع الخط وحجمه"));
    QCOMPARE(d->parentWidget(), owner_.get());
    QVERIFY(d->isWindow());
    QVERIFY(!(d->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(d->windowFlags() & Qt::WindowMaximizeButtonHint));
    const double perPixel = twipsPerPixel(d);
    const QSize inner(qRound(7350 / perPixel), qRound(810 / perPixel));
    QCOMPARE(d->size(), inner);
    QCOMPARE(d->minimumSize(), inner);
    QCOMPARE(d->maximumSize(), inner);

    // One row, read from right to left: the prompt, the name, the size, the
    // bold toggle, "إغلاق" and "موافق".
    QCOMPARE(twipsGeometry(d->Command1()), QRectF(0, 240, 615, 375));
    QCOMPARE(twipsGeometry(d->Command2()), QRectF(600, 240, 615, 375));
    QCOMPARE(twipsGeometry(d->Check2()), QRectF(1680, 240, 375, 330));
    QCOMPARE(twipsGeometry(d->Combo3()), QRectF(2100, 240, 615, 315));
    // The name box is 195 twips wider and the prompt 150 further right
    // than the design's, for the wider sans face.
    QCOMPARE(twipsGeometry(d->Combo4()), QRectF(2760, 240, 2490, 315));
    QCOMPARE(twipsGeometry(d->Label2()), QRectF(5310, 240, 1935, 255));
    QCOMPARE(d->Command1()->text(), QStringLiteral("موافق"));
    QCOMPARE(d->Command2()->text(), QStringLiteral("إغلاق"));
    QCOMPARE(d->Label2()->text(), QStringLiteral("حدد خيارات الخط الذي ترغب"));
    QCOMPARE(d->Check2()->text(), QStringLiteral("B"));
    QVERIFY(d->Check2()->isCheckable());
    QVERIFY(d->Check2()->font().bold());
    QCOMPARE(d->Check2()->font().pointSizeF(), 9.75);
    QCOMPARE(d->Check2()->toolTip(), QStringLiteral("عادي"));
    QCOMPARE(d->Combo3()->toolTip(), QStringLiteral("حجم الخط"));
    QCOMPARE(d->Combo4()->toolTip(), QStringLiteral("نوع الخط"));
    for (const char* name : {"Command1", "Command2", "Check2", "Combo3", "Combo4", "Label2"})
        QVERIFY2(d->findChild<QWidget*>(QLatin1String(name)), name);

    QStringList sizes;
    for (int i = 0; i < d->Combo3()->count(); ++i)
        sizes.append(d->Combo3()->itemText(i));
    QStringList expectedSizes;
    for (int size = 16; size <= 30; ++size)
        expectedSizes.append(QString::number(size));
    QCOMPARE(sizes, expectedSizes);
    QStringList names;
    for (int i = 0; i < d->Combo4()->count(); ++i)
        names.append(d->Combo4()->itemText(i));
    QCOMPARE(names, (QStringList{"DecoType Naskh Special", "Arabic Transparent", "Tahoma",
                                 "Times New Roman", "Traditional Arabic", "Andalus",
                                 "Simplified Arabic"}));
    // Every name of the list and the prompt show whole in the installed
    // faces (a line edit keeps 2 pixels free on either side).
    QVERIFY(QTest::qWaitForWindowExposed(d));
    QLineEdit* nameEdit = d->Combo4()->lineEdit();
    for (const QString& name : names)
        QVERIFY2(nameEdit->fontMetrics().horizontalAdvance(name) <=
                     nameEdit->contentsRect().width() - 4,
                 qPrintable(name));
    QVERIFY(d->Label2()->fontMetrics().horizontalAdvance(d->Label2()->text()) <=
            d->Label2()->contentsRect().width());
    QVERIFY(d->Combo3()->isEditable());
    QVERIFY(d->Combo4()->isEditable());
    QCOMPARE(d->Combo4()->currentText(), QStringLiteral("Tahoma"));
    QCOMPARE(d->Combo3()->currentText(), QStringLiteral("20"));
}

void TestFontDialog::centredOnTheScreen() {
    FontDialog* d = open();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    const QRect screen = d->screen()->geometry();
    const QRect frame = d->frameGeometry();
    QCOMPARE(frame.left(), screen.left() + (screen.width() - frame.width()) / 2);
    QCOMPARE(frame.top(), screen.top() + (screen.height() - frame.height()) / 2);
}

void TestFontDialog::firstRun() {
    QVERIFY(!QFile::exists(FontFilePath()));
    FontDialog* d = open();
    QCOMPARE(d->Combo4()->currentText(), QStringLiteral("DecoType Naskh Special"));
    QCOMPARE(d->Combo3()->currentText(), QStringLiteral("25"));
    QVERIFY(d->Check2()->isChecked());
    QCOMPARE(d->Check2()->toolTip(), QStringLiteral("عادي"));
    // Putting the toggle down saved and applied the settings.
    QCOMPARE(fileBytes(FontFilePath()), QByteArray("DecoType Naskh Special\r\n25\r\nTrue\r\n"));
    for (const QWidget* box : {form1Text1_, form2Text1_}) {
        QCOMPARE(shown(box).family, QStringLiteral("DecoType Naskh Special"));
        QCOMPARE(shown(box).points, 25.0);
        QVERIFY(shown(box).bold);
    }
}

void TestFontDialog::boldFalseWritesNothingOnOpening() {
    // Six lines: a rewrite would leave three.
    writeFontFile({"Andalus", "17", "True", "Times New Roman", "21", "False"});
    const QByteArray before = fileBytes(FontFilePath());
    FontDialog* d = open();
    QCOMPARE(d->Combo4()->currentText(), QStringLiteral("Times New Roman"));
    QCOMPARE(d->Combo3()->currentText(), QStringLiteral("21"));
    QVERIFY(!d->Check2()->isChecked());
    QCOMPARE(fileBytes(FontFilePath()), before);
    QCOMPARE(shown(form1Text1_).family, QStringLiteral("Andalus"));
    QCOMPARE(shown(form2Text1_).points, 18.0);
}

void TestFontDialog::typingChangesNothing() {
    writeFontFile({"Tahoma", "20", "False"});
    const QByteArray before = fileBytes(FontFilePath());
    FontDialog* d = open();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    retype(d->Combo4(), QStringLiteral("Simplified"));
    QTest::keyClick(d->Combo4()->lineEdit(), Qt::Key_Return);
    retype(d->Combo3(), QStringLiteral("28"));
    QTest::keyClick(d->Combo3()->lineEdit(), Qt::Key_Tab);
    QCOMPARE(fileBytes(FontFilePath()), before);
    QCOMPARE(shown(form1Text1_).family, QStringLiteral("Andalus"));
    QCOMPARE(shown(form2Text1_).family, QStringLiteral("Andalus"));

    // "موافق" saves and applies what was typed.
    QTest::mouseClick(d->Command1(), Qt::LeftButton);
    QCOMPARE(fileBytes(FontFilePath()), QByteArray("Simplified\r\n28\r\nFalse\r\n"));
    for (const QWidget* box : {form1Text1_, form2Text1_}) {
        QCOMPARE(shown(box).family, QStringLiteral("Simplified"));
        QCOMPARE(shown(box).points, 28.0);
        QVERIFY(!shown(box).bold);
    }
    QVERIFY(d->isVisible());
}

void TestFontDialog::choosingFromAList_data() {
    QTest::addColumn<bool>("sizeList");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("a name") << false << "Traditional Arabic"
                            << QByteArray("Traditional Arabic\r\n20\r\nFalse\r\n");
    QTest::newRow("a size") << true << "30" << QByteArray("Tahoma\r\n30\r\nFalse\r\n");
}

void TestFontDialog::choosingFromAList() {
    QFETCH(bool, sizeList);
    QFETCH(QString, entry);
    writeFontFile({"Tahoma", "20", "False"});
    FontDialog* d = open();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    chooseEntry(sizeList ? d->Combo3() : d->Combo4(), entry);
    QTEST(fileBytes(FontFilePath()), "file");
    const QString family = sizeList ? QStringLiteral("Tahoma") : entry;
    const double points = sizeList ? entry.toDouble() : 20.0;
    for (const QWidget* box : {form1Text1_, form2Text1_}) {
        QCOMPARE(shown(box).family, family);
        QCOMPARE(shown(box).points, points);
    }
}

void TestFontDialog::boldToggle() {
    writeFontFile({"Tahoma", "20", "False"});
    FontDialog* d = open();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    QTest::mouseClick(d->Check2(), Qt::LeftButton);
    QVERIFY(d->Check2()->isChecked());
    QCOMPARE(d->Check2()->toolTip(), QStringLiteral("عادي"));
    QCOMPARE(fileBytes(FontFilePath()), QByteArray("Tahoma\r\n20\r\nTrue\r\n"));
    QVERIFY(shown(form1Text1_).bold);
    QVERIFY(shown(form2Text1_).bold);
    QTest::mouseClick(d->Check2(), Qt::LeftButton);
    QVERIFY(!d->Check2()->isChecked());
    QCOMPARE(d->Check2()->toolTip(), QStringLiteral("أسود عريض"));
    QCOMPARE(fileBytes(FontFilePath()), QByteArray("Tahoma\r\n20\r\nFalse\r\n"));
    QVERIFY(!shown(form1Text1_).bold);
    QVERIFY(!shown(form2Text1_).bold);
}

void TestFontDialog::sizeThatIsNoNumber() {
    writeFontFile({"Tahoma", "20", "False"});
    FontDialog* d = open();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    retype(d->Combo3(), QStringLiteral("abc"));
    QTest::mouseClick(d->Command1(), Qt::LeftButton);
    // Written as typed; both boxes show "MS Sans Serif" at their old size.
    QCOMPARE(fileBytes(FontFilePath()), QByteArray("Tahoma\r\nabc\r\nFalse\r\n"));
    for (const QWidget* box : {form1Text1_, form2Text1_}) {
        QCOMPARE(shown(box).family, QStringLiteral("MS Sans Serif"));
        QCOMPARE(shown(box).points, 18.0);
    }
    // A size with a fraction is a number.
    retype(d->Combo3(), QStringLiteral("22.5"));
    QTest::mouseClick(d->Command1(), Qt::LeftButton);
    QCOMPARE(fileBytes(FontFilePath()), QByteArray("Tahoma\r\n22.5\r\nFalse\r\n"));
    QCOMPARE(shown(form2Text1_).family, QStringLiteral("Tahoma"));
    QCOMPARE(shown(form2Text1_).points, 22.5);
}

void TestFontDialog::unwritableFontFile() {
    // A folder where the file should be: nothing can be written there.
    QVERIFY(QDir().mkpath(FontFilePath() + QStringLiteral("/taken")));
    FontDialog* d = open();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    chooseEntry(d->Combo4(), QStringLiteral("Times New Roman"));
    QVERIFY(QFileInfo(FontFilePath()).isDir());
    for (const QWidget* box : {form1Text1_, form2Text1_}) {
        QCOMPARE(shown(box).family, QStringLiteral("Times New Roman"));
        QCOMPARE(shown(box).points, 25.0);
        QVERIFY(shown(box).bold);
    }
}

void TestFontDialog::reopeningKeepsTheLastChoice() {
    // What the windows loaded before the dialog was first opened.
    LoadFontSettings();
    FontDialog* d = open();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    chooseEntry(d->Combo4(), QStringLiteral("Andalus"));
    QTest::mouseClick(d->Command2(), Qt::LeftButton);
    QTRY_VERIFY(dialog_.isNull());
    // No window has loaded the settings since; opening again must not put
    // the old ones back.
    d = open();
    QCOMPARE(d->Combo4()->currentText(), QStringLiteral("Andalus"));
    QCOMPARE(fileBytes(FontFilePath()), QByteArray("Andalus\r\n25\r\nTrue\r\n"));
    QCOMPARE(shown(form1Text1_).family, QStringLiteral("Andalus"));
}

void TestFontDialog::oneBoxOnly() {
    dialog_ = ShowFontDialog(dialog_, owner_.get(), {nullptr, form2Text1_});
    QCOMPARE(shown(form2Text1_).family, QStringLiteral("DecoType Naskh Special"));
    QCOMPARE(shown(form1Text1_).family, QStringLiteral("Andalus"));
    // A box that has gone since the dialog opened is left out.
    delete form2Text1_;
    form2Text1_ = nullptr;
    QTest::mouseClick(dialog_->Command1(), Qt::LeftButton);
    QCOMPARE(fileBytes(FontFilePath()), QByteArray("DecoType Naskh Special\r\n25\r\nTrue\r\n"));
}

void TestFontDialog::closeButton() {
    FontDialog* first = open();
    QVERIFY(QTest::qWaitForWindowExposed(first));
    // Shown again while open: the same dialog.
    QCOMPARE(open(), first);
    QTest::mouseClick(first->Command2(), Qt::LeftButton);
    QTRY_VERIFY(dialog_.isNull());
    QVERIFY(open() != nullptr);
}

QTEST_MAIN(TestFontDialog)
#include "test_font_dialog.moc"
