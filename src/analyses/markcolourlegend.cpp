#include "analyses/markcolourlegend.h"

namespace pirumo {

namespace {

constexpr int kTop = 150;
constexpr int kHeight = 255;
constexpr int kBallSize = 255;

LegendControl Ball(Rgb colour, int left) {
    LegendControl c;
    c.kind = LegendControl::Kind::Ball;
    c.name = "Picture1";
    c.colour = colour;
    c.left = left;
    c.top = kTop;
    c.width = kBallSize;
    c.height = kBallSize;
    return c;
}

LegendControl Label(const char* name, const char* text, int left, int width) {
    LegendControl c;
    c.kind = LegendControl::Kind::Label;
    c.name = name;
    c.text = text;
    c.left = left;
    c.top = kTop;
    c.width = width;
    c.height = kHeight;
    return c;
}

}  // namespace

std::vector<LegendControl> MarkColourLegend() {
    return {
        Ball(kMainNumberMarkColour, 4320),
        Label("Label2", "：本数字", 4560, 720),
        Ball(kBonusNumberMarkColour, 5280),
        Label("Label3", "：ボーナス数字", 5520, 1455),
    };
}

}  // namespace pirumo
