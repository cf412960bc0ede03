#pragma once

class QCoreApplication;

namespace pirumo {

// Loads Qt's own Japanese texts (the standard buttons はい/いいえ/OK, the file dialog) into the
// application. False when the translation is not installed: the dialogs then stay English.
bool InstallJapaneseQtTranslation(QCoreApplication& application);

}  // namespace pirumo
