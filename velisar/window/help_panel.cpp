#include "velisar/window/help_panel.h"

#include "common/twips_geometry.h"
#include "velisar/window/help_pages.h"
#include "velisar/window/velisar_style.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

constexpr double kTabHeight = 600;
// The tabs share the window's width with a little to spare.
constexpr double kTabWidthDivisor = 5.05;
constexpr double kStripHeight = 45;

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

HelpPanel::HelpPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Help_Pic"));
    setAutoFillBackground(true);
    hide();
    for (int i = 1; i <= kHelpPageCount; ++i) {
        auto* tab = new QPushButton(helpTabCaption(i), this);
        tab->setObjectName(indexed("Help_Cmd", i));
        tab->setToolTip(helpTabToolTip(i));
        tab->setFont(velisarFont(kTraditionalArabic, 15.75, true));
        tab->setStyleSheet(helpTabStyleSheet());
        tab->setCursor(Qt::PointingHandCursor);
        connect(tab, &QPushButton::clicked, this, [this, i] { Help_Cmd_Click(i); });
        tabs_[i] = tab;

        auto* page = new QLabel(this);
        page->setObjectName(indexed("Help_Lab", i));
        page->setWordWrap(true);
        page->setTextFormat(Qt::RichText);
        page->setLayoutDirection(Qt::RightToLeft);
        page->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop);
        page->setAutoFillBackground(true);
        page->setFont(velisarFont(kTraditionalArabic, i == 3 ? 15.75 : 18));
        page->setForegroundRole(QPalette::WindowText);
        page->hide();
        page->installEventFilter(this);
        pages_[i] = page;
    }
    strip_ = new QWidget(this);
    strip_->setObjectName(QStringLiteral("Pic1"));
    strip_->setAutoFillBackground(true);
    QPalette strip = strip_->palette();
    strip.setColor(QPalette::Window, velisarColor(VelisarColor::Accent));
    strip_->setPalette(strip);
    strip_->installEventFilter(this);
}

void HelpPanel::open(QSizeF formTwips) {
    setTwipsGeometry(this, QRectF(QPointF(0, 0), formTwips));
    show();
    setEnabled(true);
    raise();
    const double tabWidth = formTwips.width() / kTabWidthDivisor;
    for (int i = 1; i <= kHelpPageCount; ++i) {
        setTwipsGeometry(tabs_[i], QRectF(tabWidth * (i - 1), 0, tabWidth, kTabHeight));
        tabs_[i]->show();
        tabs_[i]->raise();
        pages_[i]->hide();
        setTwipsGeometry(pages_[i],
                         QRectF(100, kTabHeight - 50, formTwips.width() - 300, formTwips.height()));
    }
    setTwipsGeometry(strip_, QRectF(0, 0, tabWidth, kStripHeight));
    Put_Data_inHelp_Lab();
    Help_Cmd_Click(5);
    raise();
    update();
}

void HelpPanel::Help_Cmd_Click(int index) {
    if (index < 1 || index > kHelpPageCount)
        return;
    const QRectF tab = twipsGeometry(tabs_[index]);
    setTwipsGeometry(strip_,
                     QRectF(tab.left(), tab.height() - 40, twipsWidth(strip_), kStripHeight));
    tabs_[index]->raise();
    // Pages shown before stay where they are, under this one.
    pages_[index]->show();
    pages_[index]->raise();
    strip_->raise();
}

void HelpPanel::Put_Data_inHelp_Lab() {
    pages_[5]->setText(helpPageHtml(helpPageText(5)));
    pages_[4]->setFont(velisarFont(kTraditionalArabic, 16));
    pages_[4]->setText(helpPageHtml(helpPageText(4)));
    pages_[3]->setText(helpPageHtml(helpPageText(3)));
    pages_[2]->setText(helpPageHtml(helpPageText(2)));
    pages_[1]->setFont(velisarFont(kTraditionalArabic, 16));
    pages_[1]->setText(helpPageHtml(helpPageText(1)));
}

bool HelpPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        // A click: pressed and released on the same page or on the strip.
        const auto* widget = static_cast<QWidget*>(watched);
        if (widget->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
            emit closeRequested();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void HelpPanel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}
