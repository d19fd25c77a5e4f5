#include "velisar/window/velisar_message_box.h"

#include <QLabel>
#include <QMessageBox>

void showVelisarMessage(QWidget* parent, const VelisarMessage& message) {
    const QMessageBox::Icon icon = message.icon == VelisarMessage::Icon::Stop
                                       ? QMessageBox::Critical
                                       : QMessageBox::Information;
    // The messages break their lines with bare carriage returns, which a
    // label would not show as line breaks.
    QString text = message.text;
    text.replace(u'\r', u'\n');
    QMessageBox box(icon, message.title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setLayoutDirection(Qt::RightToLeft);
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    box.exec();
}
