#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The about box (hola): a borderless white box, framed, centred on the
// screen, with the release note, the greeting with its link to the site the
// Quran text comes from, the date of this release, a link that starts an
// e-mail about the program, and "موافق" to close it. It is not modal: the
// user may go on working in the other windows while it is open. Closing it
// discards it.
class AboutBox : public QWidget {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* owner);

    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    QLabel* Label3() const { return label3_; }
    QLabel* Label8() const { return label8_; }
    QPushButton* Command1() const { return command1_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Label1_Click();
    void Label8_Click();

    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label8_ = nullptr;
    QPushButton* command1_ = nullptr;
};

inline const QString kReleaseNote =
    QStringLiteral("هــذا هو الإصدار الأول من البرنامـج وهو مجاني\r\n"
                   "لإثراء المكتبة الحاسوبية بالبرامج العربية المفيدة\r\n"
                   "دعــواتكــم الصالحـــة لـــي ولجميــع المسلميــن");
// The site of the Tanzil Project, where the Quran text comes from.
inline const QString kTextSourceSite = QStringLiteral("https://tanzil.net");
// A new message about the program; the user chooses whom to send it to.
inline const QString kSupervisorMail = QStringLiteral("mailto:?subject=Orvanta");
