#include "windows/ChoiceList.h"

#include "link/RadioStateStore.h"
#include "serial/PortDirectory.h"
#include "serial/PortLists.h"
#include "serial/SerialPort.h"

namespace velmora {

namespace {

ChoiceRow makeRow(std::string text, int32_t value, int32_t inUse) {
    const bool current = value == inUse;
    if (current) text += ChoiceList::kCurrentMark;
    return {std::move(text), value, current};
}

}  // namespace

ChoiceList::ChoiceList(Kind kind, const SerialPort& port, const PortDirectory& ports)
    : kind_(kind) {
    if (kind == Kind::Port) {
        const int32_t inUse = port.GetComNumber();
        for (int i = 0; i < kPortListCount; ++i) {
            const int32_t com = kPortList[i].number;
            rows_.push_back(makeRow(ports.describe(com), com, inUse));
        }
    } else {
        const int32_t inUse = port.GetBaudRate();
        for (int i = 0; i < kBaudListCount; ++i) {
            rows_.push_back(makeRow(kBaudList[i].text, kBaudList[i].value, inUse));
        }
    }
}

int ChoiceList::currentRow() const {
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].current) return static_cast<int>(i);
    }
    return -1;
}

void ChoiceList::pick(int row) {
    choice_ = row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[row].value : 0;
}

bool ChoiceList::apply(SerialPort& port, const RadioStateStore& store) const {
    if (kind_ == Kind::Port) return port.ChangePort(choice_);
    // Taken now, not at opening: the radio may have switched it meanwhile.
    const bool autoInfoOn = store.records.ai.get() != 0;
    port.ChangeBaudRate(choice_, autoInfoOn);
    return true;
}

}  // namespace velmora
