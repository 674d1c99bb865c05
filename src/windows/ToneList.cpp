#include "windows/ToneList.h"

#include <cstdio>

#include "windows/RepeaterTexts.h"

namespace velmora {

namespace {

std::array<ToneEntry, ToneList::kRows * ToneList::kColumns> buildEntries() {
    std::array<ToneEntry, ToneList::kRows * ToneList::kColumns> out;
    size_t i = 0;
    for (int column = 0; column < ToneList::kColumns; ++column) {
        for (int row = 0; row < ToneList::kRows; ++row) {
            const int tone = row * ToneList::kColumns + column;
            const std::string_view hz = toneText(tone);
            const std::string number(hz.substr(0, hz.find(' ')));
            char text[12] = {};
            std::snprintf(text, sizeof text, "%7s", number.c_str());
            out[i++] = {tone, text};
        }
    }
    return out;
}

}  // namespace

const std::array<ToneEntry, ToneList::kRows * ToneList::kColumns>& ToneList::entries() {
    static const auto table = buildEntries();
    return table;
}

std::optional<int> ToneList::indexOf(int32_t tone) {
    if (tone < 0 || tone >= kToneCount) return std::nullopt;
    return (tone % kColumns) * kRows + tone / kColumns;
}

void ToneList::select(int index) {
    if (index >= 0 && index < kRows * kColumns) selected_ = index;
}

std::optional<int32_t> ToneList::chosenTone() const {
    if (!selected_) return std::nullopt;
    return entries()[static_cast<size_t>(*selected_)].tone;
}

}  // namespace velmora
