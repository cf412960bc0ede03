#include "widgets/japanesetranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace pirumo {

bool InstallJapaneseQtTranslation(QCoreApplication& application) {
    // The program speaks Japanese whatever the system's language, so the catalogue is named
    // rather than chosen by the locale.
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace pirumo
