#pragma once

#include "velisar/engine/velisar_message.h"

class QWidget;

// Shows one of Velisar's messages and returns when the user has closed it:
// one OK button, the message's title and icon, the text right-aligned and
// read right to left.
void showVelisarMessage(QWidget* parent, const VelisarMessage& message);
