#include "velisar/window/help_pages.h"

#include <QStringList>

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// Pages 1, 2 and 5 open with the program's name far to the left of the
// right-aligned text.
QString heading() {
    return QString(48, u' ') + QStringLiteral("Velisar");
}

QString joinLines(std::initializer_list<QString> lines) {
    QString page;
    for (const QString& line : lines) {
        if (&line != lines.begin())
            page += kLineBreak;
        page += line;
    }
    return page;
}

QString suggestionsPage() {
    return joinLines({
        heading(),
        QStringLiteral("نرجو ممن يجد خطأً في نص آية، أو يرغب في أمر يراه في الإصدار القادم، أن "
                       "يكتب ملاحظته في مستودع مشروع QuranDesk؛ فليس للبرنامج بريد إلكتروني."),
        QStringLiteral("نص القرآن الكريم هو النص المشكول «البسيط» من مشروع Tanzil، كما تحمله حزمة "
                       "texlive-lang-arabic في Debian، بلا علامات الوقف."),
        QStringLiteral("تابع مستودع المشروع بين حين وآخر لتحصل على آخر التحديثات."),
    });
}

QString versionPage() {
    return heading() + kLineBreak +
           QStringLiteral(" برنامج Velisar إصدار رقم 1.0 - رمضان  1421هـ") +
           kLineBreak.repeated(5) +
           QStringLiteral("البرنامج من مشروع QuranDesk، ونص القرآن الكريم من مشروع Tanzil.");
}

QString usagePage() {
    return kLineBreak +
           joinLines({
               QStringLiteral("يهدف برنامج Velisar إلى إيجاد الآية المراد إدراجها في النص المكتوب. "
                              "ولإتمام العملية اتبع الخطوات التالية:"),
               QStringLiteral("1- اكتب كلمة من الآية المطلوبة في (الوورد) أو أكثر ثم ظللها."),
               QStringLiteral("2- قم بتشغيل برنامج Velisar بالضغط عليه من أسفل الشاشة."),
               QStringLiteral("3- استعرض النتائج المقدمة والمحتوية على الكلمة المطلوبة."),
               QStringLiteral("4- ادرج الآية المطلوبة بالضغط عليها مرتين لتنتقل إلى برنامج الوورد "
                              "MS-Word، أوانسخ الآية بالضغط على الزر الأيمن في الفأرة لنقله إلى "
                              "الذاكرة ومن ثم إلى برامج أخرى. "),
           });
}

QString publisherPage() {
    return kLineBreak +
           joinLines({
               QStringLiteral("QuranDesk مشروع حر مفتوح المصدر لبرامج عربية تعين على قراءة القرآن "
                              "الكريم والاقتباس منه، وليس له مكاتب ولا فروع."),
               QStringLiteral("يضم برنامجين: Orvanta لتصفح المصحف والبحث فيه، وVelisar للبحث عن "
                              "الآيات وإدراجها في المستندات."),
               QStringLiteral("ليس للمشروع عنوان بريدي،"),
               QStringLiteral("ولا هاتف ولا فاكس،"),
               QStringLiteral("ولا بريد إلكتروني: تُكتب الملاحظات في مستودع المشروع."),
           });
}

QString programPage() {
    return joinLines({
        heading(),
        QStringLiteral("المصدر: مشروع Tanzil، النص البسيط المشكول."),
        QStringLiteral("النص على رواية حفص عن عاصم، في مئة وأربع عشرة سورة وستة آلاف ومئتين وست "
                       "وثلاثين آية. يبحث Velisar في نسخة منه بلا تشكيل، ثم يعرض الآية مشكولة "
                       "برقمها واسم سورتها."),
    });
}

} // namespace

QString helpTabCaption(int index) {
    switch (index) {
    case 1:
        return QStringLiteral("إقتراحات");
    case 2:
        return QStringLiteral("رقم الإصدار");
    case 3:
        return QStringLiteral("مساعدة");
    case 4:
        return kPublisherName;
    case 5:
        return QStringLiteral("Velisar");
    }
    return {};
}

QString helpTabToolTip(int index) {
    switch (index) {
    case 1:
        return QStringLiteral(" ملاحظات وإقتراحات ");
    case 2:
        return QStringLiteral(" رقم الإصدار ");
    case 3:
    case 5:
        return QStringLiteral(" Velisar");
    case 4:
        return QStringLiteral(" حقوق النسخ");
    }
    return {};
}

QString helpPageText(int index) {
    switch (index) {
    case 1:
        return suggestionsPage();
    case 2:
        return versionPage();
    case 3:
        return usagePage();
    case 4:
        return publisherPage();
    case 5:
        return programPage();
    }
    return {};
}

QString helpPageHtml(const QString& pageText) {
    QString html;
    for (const QString& line : pageText.split(kLineBreak)) {
        html += QStringLiteral("<p dir=\"rtl\" align=\"right\" style=\"margin:0; "
                               "white-space:pre-wrap; line-height:85%;\">");
        html += line.isEmpty() ? QStringLiteral("&nbsp;") : line.toHtmlEscaped();
        html += QStringLiteral("</p>");
    }
    return html;
}

QString quranWinCaption() {
    return u' ' + kPublisherName + QStringLiteral(" - Velisar - إصدار رقم 1.0 ");
}
