#include "orvanta/shell/control_style.h"

#include "common/twips_geometry.h"

#include <QComboBox>
#include <QLineEdit>
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
