#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QComboBox;
class QWidget;

// What the windows' control-building code shares: naming and placing a
// control in twips, its font, its colours, and the editable combo boxes.

// Names a control as the window's design names it ("Text2(0)") and places
// it, in twips, on its parent.
void PlaceNamed(QWidget* widget, const char* name, const QRectF& twips);

template <typename W> W* Place(W* widget, const char* name, const QRectF& twips) {
    PlaceNamed(widget, name, twips);
    return widget;
}

QFont ControlFont(const QString& family, double points, bool bold);

// The control's background (window and text-box base) and text colours;
// a text box's scroll bars keep the desktop's.
void SetControlColours(QWidget* widget, const QColor& back, const QColor& text);

// The colour a label's text or a frame's line is drawn in.
void SetInk(QWidget* widget, const QColor& ink);

// An editable combo box whose typed text is only text: typing never adds an
// entry, and neither Enter nor leaving the box turns typed text into a choice
// from the list. Only a choice from the list is a choice. The text stands
// right-aligned whatever it holds.
QComboBox* EditableCombo(QWidget* parent, const char* name, const QRectF& twips,
                         const QString& text);
