#include "orvanta/shell/font_dialog.h"

#include "common/twips_geometry.h"
#include "orvanta/shell/apply_display_font.h"
#include "orvanta/shell/control_style.h"
#include "orvanta/shell/font_settings.h"
#include "orvanta/shell/shared_pictures.h"
#include "orvanta/shell/tile_picture.h"
#include "orvanta/shell/window_placement.h"
#include "orvanta/store/user_files.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {

const QString kNormalTip = QStringLiteral("عادي");
const QString kBoldTip = QStringLiteral("أسود عريض");

const char* const kFontNames[] = {"DecoType Naskh Special", "Arabic Transparent", "Tahoma",
                                  "Times New Roman",        "Traditional Arabic", "Andalus",
                                  "Simplified Arabic"};

QPushButton* button(QWidget* parent, const char* name, const QRectF& twips,
                    const QString& caption) {
    auto* b = Place(new QPushButton(caption, parent), name, twips);
    b->setAutoDefault(false);
    return b;
}

} // namespace

FontDialog::FontDialog(QWidget* owner, const VerseTextBoxes& boxes)
    : PictureBox(owner), boxes_(boxes) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("tnsek_1"));
    setWindowTitle(QStringLiteral("خيارات تغيير نوع الخط وحجمه"));
    setWindowIcon(pictures::ProgramIcon());
    setLayoutDirection(Qt::RightToLeft);
    setFont(ControlFont(QStringLiteral("MS Sans Serif"), 8.25, false));
    setFixedSize(twipsToPixelSize(this, {kInnerWidth, kInnerHeight}));
    createControls();

    connect(check2_, &QPushButton::toggled, this, &FontDialog::Check2_Click);
    connect(combo3_, &QComboBox::activated, this, &FontDialog::Command1_Click);
    connect(combo4_, &QComboBox::activated, this, &FontDialog::Command1_Click);
    connect(command1_, &QPushButton::clicked, this, &FontDialog::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &FontDialog::close);

    Form_Load();
}

void FontDialog::createControls() {
    command1_ = button(this, "Command1", {0, 240, 615, 375}, QStringLiteral("موافق"));
    command2_ = button(this, "Command2", {600, 240, 615, 375}, QStringLiteral("إغلاق"));
    check2_ = button(this, "Check2", {1680, 240, 375, 330}, QStringLiteral("B"));
    check2_->setCheckable(true);
    check2_->setFont(ControlFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    check2_->setToolTip(kNormalTip);

    combo3_ = EditableCombo(this, "Combo3", {2100, 240, 615, 315}, QString());
    for (int size = 16; size <= 30; ++size)
        combo3_->addItem(QString::number(size));
    combo3_->setCurrentText(QStringLiteral("22"));
    combo3_->setToolTip(QStringLiteral("حجم الخط"));

    // The name box reaches 195 twips further right than the design's, and
    // the prompt stands 150 twips further right: the sans face that
    // stands in for "MS Sans Serif" is wider, and "DecoType Naskh Special"
    // must show whole.
    combo4_ = EditableCombo(this, "Combo4", {2760, 240, 2490, 315}, QString());
    for (const char* name : kFontNames)
        combo4_->addItem(QLatin1String(name));
    combo4_->setCurrentText(QStringLiteral("Traditional Arabic"));
    combo4_->setToolTip(QStringLiteral("نوع الخط"));

    label2_ = Place(new QLabel(QStringLiteral("حدد خيارات الخط الذي ترغب"), this), "Label2",
                    {5310, 240, 1935, 255});
}

void FontDialog::showEvent(QShowEvent* event) {
    PictureBox::showEvent(event);
    if (!centred_) {
        centred_ = true;
        CentreWindow(this);
    }
}

void FontDialog::Form_Load() {
    // The size is fixed: one tiling covers the dialog for good. It is centred
    // when first shown, once its caption and border are known.
    TilePicture(this, pictures::BackgroundTexture(), 0, 0, kInnerWidth, kInnerHeight);
    // The file, not what a window loaded some time ago: the last choice made
    // here must not be taken back by reopening the dialog.
    LoadFontSettings();
    const FontSettingsValues& settings = FontSettings();
    combo4_->setCurrentText(settings.DisplayFontName);
    combo3_->setCurrentText(QString::number(settings.DisplayFontSize));
    // Putting the toggle down is a click of it: the settings are saved and
    // applied at once. Leaving it up does nothing.
    check2_->setChecked(settings.DisplayFontBold == QStringLiteral("True"));
}

void FontDialog::Check2_Click() {
    check2_->setToolTip(check2_->isChecked() ? kNormalTip : kBoldTip);
    Command1_Click();
}

void FontDialog::Command1_Click() {
    const QString name = combo4_->currentText();
    const QString size = combo3_->currentText();
    const QString bold = check2_->isChecked() ? QStringLiteral("True") : QStringLiteral("False");
    // A file that cannot be written still leaves the choice applied for
    // this run.
    WriteFontSettings(FontFilePath(), name, size, bold);

    const std::optional<float> points = FontSizeValue(size);
    const QPointer<QWidget> boxes[] = {boxes_.Form1Text1, boxes_.Form2Text1};
    for (QWidget* box : boxes) {
        if (box && !ApplyDisplayFont(box, name, points, bold, FontErrorStyle::StopAndFallBack)) {
            for (QWidget* other : boxes) {
                if (other)
                    SetFontName(other, kFallbackFontName);
            }
            return;
        }
    }
}

FontDialog* ShowFontDialog(QPointer<FontDialog>& dialog, QWidget* owner,
                           const VerseTextBoxes& boxes) {
    if (!dialog)
        dialog = new FontDialog(owner, boxes);
    ShowActive(dialog);
    return dialog;
}
