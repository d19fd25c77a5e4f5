#include "orvanta/shell/mht_page.h"

#include <QFile>
#include <QStringEncoder>
#include <QTest>

Q_DECLARE_METATYPE(std::optional<MhtPage>)

namespace {

const QString kPage = QStringLiteral("<html dir=\"rtl\"><body>بسم الله = 100%</body></html>");

// An archive with one part, its lines ended as asked.
QByteArray archive(const QByteArray& partHeaders, const QByteArray& body,
                   const QByteArray& lineEnd = "\r\n") {
    QByteArray a = "From: <test>\n"
                   "MIME-Version: 1.0\n"
                   "Content-Type: multipart/related;\n"
                   "\ttype=\"text/html\";\n"
                   "\tboundary=\"----=_Part_1\"\n"
                   "\n"
                   "A preamble.\n"
                   "------=_Part_1\n" +
                   partHeaders + "\n" + body +
                   "\n"
                   "------=_Part_1\n"
                   "Content-Type: image/png\n"
                   "Content-Transfer-Encoding: base64\n"
                   "\n"
                   "iVBORw0KGgo=\n"
                   "------=_Part_1--\n";
    a.replace("\n", lineEnd);
    return a;
}

QByteArray quotedPrintable(const QString& text) {
    QByteArray out;
    int column = 0;
    for (const char c : text.toUtf8()) {
        const auto u = static_cast<unsigned char>(c);
        QByteArray piece = (u >= 33 && u <= 126 && u != '=') || u == ' '
                               ? QByteArray(1, c)
                               : "=" + QByteArray::number(u, 16).toUpper().rightJustified(2, '0');
        if (column + piece.size() > 75) {
            out += "=\n";
            column = 0;
        }
        out += piece;
        column += piece.size();
    }
    return out;
}

} // namespace

class TestMhtPage : public QObject {
    Q_OBJECT
private slots:
    void encodings_data();
    void encodings();
    void noPage_data();
    void noPage();
    void helpDocument();
};

void TestMhtPage::encodings_data() {
    QTest::addColumn<QByteArray>("archive");
    const QByteArray utf8 = "Content-Type: text/html; charset=\"utf-8\"\n";
    QTest::newRow("8bit, CR LF") << archive(utf8 + "Content-Transfer-Encoding: 8bit\n"
                                                   "Content-Location: file:///page.html\n",
                                            kPage.toUtf8());
    QTest::newRow("8bit, LF alone") << archive(utf8 + "Content-Transfer-Encoding: 8bit\n"
                                                      "Content-Location: file:///page.html\n",
                                               kPage.toUtf8(), "\n");
    QTest::newRow("quoted-printable, soft line breaks")
        << archive(utf8 + "Content-Transfer-Encoding: quoted-printable\n"
                          "Content-Location: file:///page.html\n",
                   quotedPrintable(kPage));
    QTest::newRow("base64") << archive(utf8 + "Content-Transfer-Encoding: base64\n"
                                              "Content-Location: file:///page.html\n",
                                       kPage.toUtf8().toBase64());
    QTest::newRow("no charset: UTF-8, no encoding: as it is") << archive(
        "Content-Type: text/html\nContent-Location: file:///page.html\n", kPage.toUtf8());
    QStringEncoder arabic("windows-1256");
    QTest::newRow("Arabic Windows code page")
        << archive("content-type: TEXT/HTML; Charset=windows-1256\n"
                   "CONTENT-TRANSFER-ENCODING: 8BIT\n"
                   "Content-Location: file:///page.html\n",
                   arabic.encode(kPage));
}

void TestMhtPage::encodings() {
    QFETCH(QByteArray, archive);
    const std::optional<MhtPage> page = ReadMhtPage(archive);
    QVERIFY(page);
    QCOMPARE(page->html, kPage);
    QCOMPARE(page->location, QStringLiteral("file:///page.html"));
}

void TestMhtPage::noPage_data() {
    QTest::addColumn<QByteArray>("archive");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("a web page, no archive") << kPage.toUtf8();
    QTest::newRow("no HTML part") << archive("Content-Type: text/plain; charset=utf-8\n",
                                             "just text");
    QTest::newRow("unknown transfer encoding")
        << archive("Content-Type: text/html\nContent-Transfer-Encoding: x-secret\n", "<p>");
    QTest::newRow("no boundary") << QByteArray(
        "Content-Type: multipart/related\n\n--x\nContent-Type: text/html\n\n<p>\n--x--\n");
}

void TestMhtPage::noPage() {
    QFETCH(QByteArray, archive);
    QVERIFY(!ReadMhtPage(archive));
}

// The help document beside the program is an archive a browser reads: MIME
// lines ended by CR LF, one right-to-left Arabic page in UTF-8 that tells how
// to browse, search, copy and choose the font, and where the text comes from.
void TestMhtPage::helpDocument() {
    QFile file(QStringLiteral(PROGRAM_DIR "/help.mht"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("From: "));
    QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
    const std::optional<MhtPage> page = ReadMhtPage(bytes);
    QVERIFY(page);
    QVERIFY(page->html.contains(QStringLiteral("<html lang=\"ar\" dir=\"rtl\">")));
    QVERIFY(page->html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    for (const char* heading :
         {"تصفح المصحف", "البحث عن كلمة", "نسخ الآيات", "اختيار الخط", "مشروع تنزيل", "tanzil.net"})
        QVERIFY2(page->html.contains(QString::fromUtf8(heading)), heading);
    QVERIFY(page->html.trimmed().endsWith(QStringLiteral("</html>")));
}

QTEST_GUILESS_MAIN(TestMhtPage)
#include "test_mht_page.moc"
