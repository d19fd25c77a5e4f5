#include "velisar/window/quran_win.h"

#include "common/twips_geometry.h"
#include "velisar/window/finder_texts.h"
#include "velisar/window/help_panel.h"
#include "velisar/window/picture_button.h"
#include "velisar/window/result_list.h"
#include "velisar/window/velisar_message_box.h"
#include "velisar/window/velisar_style.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr double kText1Height = 585;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter;

QLabel* topLabel(const QString& name, double left, double width, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setLayoutDirection(Qt::RightToLeft);
    label->setFont(velisarFont(kSimplifiedArabic, 15.75));
    setTwipsGeometry(label, QRectF(left, -45, width, 525));
    return label;
}

} // namespace

QuranWin::QuranWin(WordProcessor& wordProcessor, KeyboardLayout& keyboard, const Setup& setup)
    : search_(texts_, *this), link_(wordProcessor, *this, clipboard_, search_), keyboard_(keyboard),
      instance_(setup.lockFilePath), programFolder_(setup.programFolder),
      endProgram_([] { QCoreApplication::exit(0); }) {
    setObjectName(QStringLiteral("Quran_Win"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/velisar/velisar.png")));
    setLayoutDirection(Qt::RightToLeft);
    setFont(velisarFont(kTraditionalArabic, 18));
    setPalette(velisarPalette());
    setAutoFillBackground(true);
    createControls();
    createButtons();
    connectControls();
}

QuranWin::~QuranWin() = default;

void QuranWin::createControls() {
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAlignment(kRight);
    Text1->setLayoutDirection(Qt::RightToLeft);
    Text1->setContextMenuPolicy(Qt::NoContextMenu);
    Text1->setStyleSheet(fieldStyleSheet(QStringLiteral("QLineEdit")));
    setTwipsGeometry(Text1, QRectF(0, 820, 9400, kText1Height));

    QRsult = new ResultList(this);
    QRsult->setObjectName(QStringLiteral("QRsult"));
    QRsult->setFont(velisarFont(kTraditionalArabic, 15.75));
    QRsult->hide();

    Lab1 = new QLabel(this);
    Lab1->setObjectName(QStringLiteral("Lab1"));
    Lab1->setStyleSheet(fieldStyleSheet(QStringLiteral("QLabel")));
    Lab1->hide();

    Search_Count = topLabel(QStringLiteral("Search_Count"), 2490, 3330, this);
    EsmASora_Lab = topLabel(QStringLiteral("EsmASora_Lab"), 5850, 3570, this);

    Copy_Aya_2Mem = new QPushButton(kCopyCaption, this);
    Copy_Aya_2Mem->setObjectName(QStringLiteral("Copy_Aya_2Mem"));
    Copy_Aya_2Mem->setToolTip(kCopyTip);
    Copy_Aya_2Mem->setFont(velisarFont(kSimplifiedArabic, 12, true));
    Copy_Aya_2Mem->setStyleSheet(copyButtonStyleSheet());
    Copy_Aya_2Mem->setCursor(Qt::PointingHandCursor);
    setTwipsGeometry(Copy_Aya_2Mem, QRectF(0, 0, 1815, 540));
    Copy_Aya_2Mem->hide();

    Help_Pic = new HelpPanel(this);
}

void QuranWin::createButtons() {
    const auto picture = [](const char* name) {
        return QPixmap(QStringLiteral(":/velisar/%1.png").arg(QLatin1String(name)));
    };
    Brisko_Cmd = new PictureButton(QStringLiteral("Brisko_Cmd"), picture("help_button"), this);
    Cancel_Cmd = new PictureButton(QStringLiteral("Cancel_Cmd"), picture("cancel_button"), this);
    Start_Search =
        new PictureButton(QStringLiteral("Start_Search"), picture("search_button"), this);
    Start_Search->setEnabled(false);
    setTabOrder(Text1, QRsult);
    setTabOrder(QRsult, Start_Search);
    setTabOrder(Start_Search, Cancel_Cmd);
    setTabOrder(Cancel_Cmd, Brisko_Cmd);
    setTabOrder(Brisko_Cmd, Copy_Aya_2Mem);
}

void QuranWin::connectControls() {
    connect(Text1, &QLineEdit::textChanged, this, &QuranWin::Text1_Change);
    Text1->installEventFilter(this);
    QRsult->installEventFilter(this);
    QRsult->viewport()->installEventFilter(this);
    Search_Count->installEventFilter(this);
    EsmASora_Lab->installEventFilter(this);
    connect(QRsult, &QListWidget::currentRowChanged, this, &QuranWin::QRsult_Click);
    connect(QRsult, &QListWidget::itemClicked, this, &QuranWin::QRsult_Click);
    // After the view has finished with the click that started it: the
    // insertion empties the list.
    connect(QRsult, &QListWidget::itemDoubleClicked, this, [this] {
        QMetaObject::invokeMethod(
            this, [this] { link_.QRsult_DblClick(); }, Qt::QueuedConnection);
    });
    connect(Copy_Aya_2Mem, &QPushButton::clicked, this, [this] { link_.Copy_Aya_2Mem_Click(); });
    connect(Start_Search, &PictureButton::clicked, this, &QuranWin::Start_Search_Click);
    connect(Cancel_Cmd, &PictureButton::clicked, this, &QuranWin::Cancel_Cmd_Click);
    connect(Brisko_Cmd, &PictureButton::clicked, this, &QuranWin::Brisko_Cmd_Click);
    connect(Help_Pic, &HelpPanel::closeRequested, this, &QuranWin::Help_Lab_Click);
}

// What the word-processor link asks of the window.

void QuranWin::yieldToEvents() {
    QCoreApplication::processEvents();
}

void QuranWin::markSearchRunning() {
    Cancel_Cmd->setToolTip(kStopSearchTip);
}

void QuranWin::enableWindow() {
    setEnabled(true);
}

void QuranWin::restoreNormalState() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
}

void QuranWin::clearForLookup() {
    Text1->clear();
    QRsult->show();
    QRsult->clear();
    Text1->setEnabled(true);
    Search_Count->clear();
    EsmASora_Lab->clear();
    Search_Count->show();
    EsmASora_Lab->show();
}

int QuranWin::resultRowCount() const {
    return QRsult->count();
}

int QuranWin::selectedRow() const {
    return QRsult->currentRow();
}

void QuranWin::hideCopyAndHelpButtons() {
    Copy_Aya_2Mem->hide();
    Brisko_Cmd->hide();
}

void QuranWin::minimizeWindow() {
    setWindowState(windowState() | Qt::WindowMinimized);
}

// What the search asks of the window.

void QuranWin::enterSearchMode() {
    searchRunning_ = true;
    setEnabled(true);
    QRsult->hide();
    Text1->setEnabled(false);
    Cancel_Cmd->show();
    Search_Count->hide();
    EsmASora_Lab->hide();
    QRsult->clear();
    Lab1->clear();
    Lab1->show();
    Lab1->raise();
    Text1->hide();
    Start_Search->setEnabled(false);
    Brisko_Cmd->setEnabled(false);
    Cancel_Cmd->setToolTip(kStopSearchTip);
}

void QuranWin::showProgress(const QString& text) {
    Lab1->setText(text);
}

bool QuranWin::resultListShown() const {
    return !QRsult->isHidden();
}

void QuranWin::addResultRow(const QString& entry) {
    QRsult->addItem(entry);
}

void QuranWin::leaveSearchMode(const QString& textBoxText) {
    searchRunning_ = false;
    Lab1->setText(textBoxText);
    Text1->setText(textBoxText);
    Lab1->hide();
    Text1->show();
    Search_Count->clear();
}

void QuranWin::showResults(const QString& countText) {
    if (ended_)
        return;
    Search_Count->setText(countText);
    Show_Quran_Result();
}

void QuranWin::showNothingFound(const QString& query, const VelisarMessage& message) {
    if (ended_)
        return;
    link_.releaseWordApp();
    Text1->setText(query);
    Search_Count->clear();
    EsmASora_Lab->clear();
    yieldToEvents();
    showVelisarMessage(this, message);
    Text1->setEnabled(true);
    activateWindow();
    Text1->setFocus();
}

bool QuranWin::searchIsRunning() const {
    return searchRunning_ || Cancel_Cmd->toolTip() == kStopSearchTip;
}
