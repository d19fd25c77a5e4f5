#include "orvanta/shell/control_style.h"

#include "common/twips_geometry.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QWidget>

void PlaceNamed(QWidget* widget, const char* name, const QRectF& twips) {
    widget->setObjectName(QLatin1String(name));
    setTwipsGeometry(widget, twips);
}

QFont ControlFont(const QString& family, double points, bool bold) {
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void SetControlColours(QWidget* widget, const QColor& back, const QColor& text) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Base, back);
    p.setColor(QPalette::Window, back);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::WindowText, text);
    widget->setPalette(p);
    // Scroll bars keep the desktop's colours: on a dark box its light text
    // colour would draw their arrows white on a white trough.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
        QPalette plain = QApplication::palette();
        plain.setResolveMask(~QPalette::ResolveMask(0));
        area->verticalScrollBar()->setPalette(plain);
        area->horizontalScrollBar()->setPalette(plain);
    }
}

void SetInk(QWidget* widget, const QColor& ink) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, ink);
    widget->setPalette(p);
}

QComboBox* EditableCombo(QWidget* parent, const char* name, const QRectF& twips,
                         const QString& text) {
    auto* c = Place(new QComboBox(parent), name, twips);
    c->setEditable(true);
    // Qt would add typed text as an entry, complete it from the list, and
    // choose a matching entry when editing finishes.
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setCompleter(nullptr);
    QObject::disconnect(c->lineEdit(), &QLineEdit::editingFinished, c, nullptr);
    // A number alone has no direction of its own.
    c->lineEdit()->setAlignment(Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter);
    c->setCurrentText(text);
    return c;
}
