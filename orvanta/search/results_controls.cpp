#include "orvanta/search/results_controls.h"

#include "common/twips_geometry.h"
#include "orvanta/search/result_list_style.h"
#include "orvanta/shell/control_style.h"
#include "orvanta/shell/picture_box.h"
#include "orvanta/shell/shared_pictures.h"
#include "orvanta/shell/tafsir_area.h"
#include "orvanta/shell/text_box.h"

#include <QLabel>
#include <QListWidget>

namespace {

const QColor kVerseBack(226, 243, 214); // light green
const QColor kVerseInk(0, 0, 128);
const QColor kDarkGreen(0, 80, 40);
const QColor kListInk(0, 90, 90); // dark teal
const QColor kListBack(252, 252, 247);
const QColor kFactBack(221, 236, 250); // light blue
const QColor kFactInk(0, 115, 55);
const QString kFactFont = QStringLiteral("Arial");

void createTafsirPanel(QWidget* area, ResultsControls& c) {
    c.Picture10 = Place(new PictureBox(area), "Picture10", {50, 1920, 6735, 2850});
    for (int i = 0; i < 2; ++i)
        c.Text2[i] = CreateTafsirPane(c.Picture10, i);

    // The title is centred on the panel: the layout centres its 3010 twips.
    c.Label1 = Place(new QLabel(TafsirName(0), c.Picture10), "Label1", {1862.5, 45, 3010, 375});
    c.Label1->setFont(ControlFont(kFactFont, 15.75, true));
    c.Label1->setAlignment(Qt::AlignCenter);
    SetControlColours(c.Label1, Qt::transparent, kDarkGreen);
    c.Label2 = Place(new QLabel(c.Picture10), "Label2", {102.5, 120, 1740, 270});
    c.Label2->setFont(ControlFont(kFactFont, 11.25, true));
    c.Label2->setAlignment(Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter);
    SetControlColours(c.Label2, Qt::transparent, Qt::red);

    // The tabs lie over the titles when the panel is narrow.
    c.Pic[0] = CreateTafsirTab(c.Picture10, 0, 5100);
    c.Pic[1] = CreateTafsirTab(c.Picture10, 1, 3595);
}

QLabel* endCap(QWidget* bar, const char* name, double left, const QPixmap& picture) {
    auto* image = Place(new QLabel(bar), name, {left, 15, 375, 705});
    image->setPixmap(picture);
    image->setScaledContents(true);
    return image;
}

void createFactBar(QWidget* area, ResultsControls& c) {
    c.Picture2 = Place(new PictureBox(area), "Picture2", {120, 5280, 6495, 735});
    c.Image1 = endCap(c.Picture2, "Image1", 6120, pictures::BarEndRight());
    c.Image2 = endCap(c.Picture2, "Image2", 0, pictures::BarEndLeft());
    // Right to left on the bar: name, place, verses, words, letters, order.
    struct Fact {
        int index;
        double left;
        double width;
    };
    const Fact facts[] = {{0, 5160, 900}, {5, 4320, 780}, {1, 3420, 840},
                          {3, 2520, 840}, {4, 1500, 960}, {2, 360, 1080}};
    static const char* const names[] = {"lab(0)", "lab(1)", "lab(2)", "lab(3)",
                                        "lab(4)", "lab(5)", "lab(6)"};
    for (const Fact& f : facts) {
        QLabel* l = Place(new QLabel(c.Picture2), names[f.index], {f.left, 60, f.width, 615});
        l->setAlignment(Qt::AlignCenter);
        l->setFont(ControlFont(kFactFont, 8.25, true));
        l->setAutoFillBackground(true);
        SetControlColours(l, kFactBack, kFactInk);
        c.lab[f.index] = l;
    }
    c.lab[6] = Place(new QLabel(c.Picture2), names[6], {0, 0, 0, 0});
    c.lab[6]->hide();
}

} // namespace

ResultsControls CreateResultsControls(QWidget* area) {
    ResultsControls c;
    c.Text1 = Place(new TextBox(area, Qt::AlignRight), "Text1", {50, 0, 7935, 1815});
    c.Text1->setFont(ControlFont(QStringLiteral("Traditional Arabic"), 20.25, true));
    SetControlColours(c.Text1, kVerseBack, kVerseInk);
    createTafsirPanel(area, c);
    createFactBar(area, c);

    c.List1 = Place(new QListWidget(area), "List1", {6235, 0, 2295, 6129});
    c.List1->setLayoutDirection(Qt::RightToLeft);
    c.List1->setFont(ControlFont(kFactFont, 11.25, true));
    SetControlColours(c.List1, kListBack, kListInk);
    c.List1->setSelectionMode(QAbstractItemView::SingleSelection);
    c.List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every entry is one line: the list need not measure thousands of them.
    c.List1->setUniformItemSizes(true);
    c.List1->setStyle(new ResultListStyle(c.List1));
    c.List2 = Place(new QListWidget(area), "List2", {0, 0, 0, 0});
    c.List2->hide();

    c.Picture1 = Place(new QLabel(area), "Picture1", {0, 0, 750, 750});
    c.Picture1->setPixmap(pictures::BackgroundTexture());
    c.Picture1->hide();
    return c;
}
