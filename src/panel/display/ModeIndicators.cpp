#include "panel/display/ModeIndicators.h"

#include <array>

namespace velmora {

namespace {

enum Word : unsigned { LSB = 1, USB = 2, CW = 4, AM = 8, FM = 16, RTTY = 32, PKT = 64 };

// Lit words by mode code 0..13 (0 = no row).
constexpr std::array<unsigned, 14> kLitWords = {
    0,           // 0
    LSB,         // 1
    USB,         // 2
    USB | CW,    // 3
    FM,          // 4
    AM,          // 5
    LSB | RTTY,  // 6
    LSB | CW,    // 7
    LSB | PKT,   // 8
    USB | RTTY,  // 9
    FM | PKT,    // 10
    FM,          // 11
    USB | PKT,   // 12
    AM,          // 13
};

using E = PanelElement;
struct WordElements {
    Word word;
    E a, b;
};
constexpr WordElements kWords[] = {
    {LSB, E::LsbA, E::LsbB}, {USB, E::UsbA, E::UsbB}, {CW, E::CwA, E::CwB},
    {AM, E::AmA, E::AmB},    {FM, E::FmA, E::FmB},    {RTTY, E::RttyA, E::RttyB},
    {PKT, E::PktA, E::PktB},
};

}  // namespace

void drawModeWords(const DisplayContext& ctx, int side, int32_t modeCode) {
    if (modeCode < 1 || modeCode >= static_cast<int32_t>(kLitWords.size())) return;
    const unsigned lit = kLitWords[static_cast<size_t>(modeCode)];
    for (const WordElements& w : kWords) ctx.drawLit(side == kSub ? w.b : w.a, (lit & w.word) != 0);
}

}  // namespace velmora
