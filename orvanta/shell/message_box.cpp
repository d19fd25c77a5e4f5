#include "orvanta/shell/message_box.h"

#include <QLabel>
#include <QMessageBox>

void ShowMessageBox(QWidget* owner, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner);
    box.setLayoutDirection(Qt::RightToLeft);
    box.setTextFormat(Qt::PlainText);
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        // Absolute: in a right-to-left box plain AlignRight means the left.
        label->setAlignment(Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter);
    box.exec();
}
