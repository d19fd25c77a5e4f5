#pragma once

#include <QRectF>
#include <QSize>

class QWidget;

// Control rectangles are laid out in twips (1/1440 inch), fractions and all,
// and only turned into pixels when applied. The twips are kept on the widget,
// so layout code reads back exactly what it set, never a rounded pixel value.

// Twips per pixel of the widget's screen: 15 at 96 dpi.
double twipsPerPixel(const QWidget* widget);

// Places a widget, relative to its parent, at a rectangle in twips.
void setTwipsGeometry(QWidget* widget, const QRectF& twips);

// The rectangle last set in twips; for a widget never placed that way, its
// pixel geometry converted to twips.
QRectF twipsGeometry(const QWidget* widget);

// One side of twipsGeometry().
double twipsLeft(const QWidget* widget);
double twipsTop(const QWidget* widget);
double twipsWidth(const QWidget* widget);
double twipsHeight(const QWidget* widget);

// Change one side of the rectangle and keep the others.
void setTwipsLeft(QWidget* widget, double left);
void setTwipsTop(QWidget* widget, double top);
// A negative width or height is refused and leaves the widget as it was, as
// a control refuses an invalid size: layout rules that work a size out of a
// window too small for it then keep the last size that fitted.
void setTwipsWidth(QWidget* widget, double width);
void setTwipsHeight(QWidget* widget, double height);

// A size in twips as whole pixels of the widget's screen, as a window's
// design size is applied.
QSize twipsToPixelSize(const QWidget* widget, const QSizeF& twips);
