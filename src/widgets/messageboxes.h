#pragma once

#include <QString>

class QWidget;

namespace pirumo {

// The title of refusals and input errors; its fourth character is U+FF0D, not the long-vowel
// mark.
QString RefusalTitle();

// A refusal or input error: modal, critical icon, OK.
void ShowRefusal(QWidget* parent, const QString& text);

}  // namespace pirumo
