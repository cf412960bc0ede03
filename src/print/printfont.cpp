#include "print/printfont.h"

#include <QStringList>
#include <cmath>

namespace pirumo {

QFont PrintFont(double points, bool bold) {
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Meiryo UI"),
                                 QStringLiteral("MS UI Gothic")});
    font.setStyleHint(QFont::SansSerif);
    // A pixel size in page units keeps metrics fractional and free of the device's resolution.
    font.setPixelSize(static_cast<int>(std::lround(points * kPageUnitsPerPoint)));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setBold(bold);
    return font;
}

}  // namespace pirumo
