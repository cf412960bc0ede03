#include "analyses/ui/legendprintline.h"

#include <algorithm>

namespace pirumo {

PrintLine LegendPrintLine(const std::vector<LegendControl>& legend) {
    PrintLine line;
    for (const LegendControl& control : legend) {
        const QString text = QString::fromUtf8(control.text);
        if (control.kind != LegendControl::Kind::Label) {
            line.legend.push_back(
                {control.colour, control.kind == LegendControl::Kind::Ball, text, QString()});
            continue;
        }
        const auto waiting = std::find_if(line.legend.begin(), line.legend.end(),
                                          [](const auto& mark) { return mark.meaning.isEmpty(); });
        if (waiting != line.legend.end()) {
            waiting->meaning = text;
        } else {
            line.text += text;
        }
    }
    return line;
}

}  // namespace pirumo
