#include "windows/MenuListModel.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "link/CatStrings.h"
#include "link/MenuTable.h"
#include "link/MenuValueCodec.h"
#include "menulist/MenuTexts.h"
#include "serial/PortLists.h"

namespace velmora {

namespace {

constexpr int kLastPositionKind14 = 13;
// LEVEL INDICATOR's positions that stand for something, in the order Right steps through them.
constexpr std::array<int, 7> kIndicatorPositions = {0, 1, 5, 6, 7, 8, 9};

int nextIndicatorPosition(int position, bool forward) {
    const auto* at = std::find(kIndicatorPositions.begin(), kIndicatorPositions.end(), position);
    const int n = static_cast<int>(kIndicatorPositions.size());
    const int i =
        at == kIndicatorPositions.end() ? 0 : static_cast<int>(at - kIndicatorPositions.begin());
    return kIndicatorPositions[static_cast<size_t>((i + (forward ? 1 : n - 1)) % n)];
}

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

int32_t catRateBaud(double value) {
    const int64_t digit = wholeMenuValue(value);
    if (digit < 0 || digit >= kBaudListCount) return 0;
    return kBaudList[static_cast<size_t>(digit)].value;
}

void MenuListModel::fill(const MenuTable& table) {
    shown14_ = kShownPositionStartKind14;
    shown38_ = kShownPositionStartKind38;
    items_.clear();
    const int n = table.count();
    items_.reserve(static_cast<size_t>(n));
    for (int i = 1; i <= n; ++i) {
        if (auto def = table.item(i)) items_.push_back(*def);
    }
}

std::vector<int> MenuListModel::refresh(const MenuTable& table) {
    std::vector<int> rows;
    for (int row = 0; row < count(); ++row) {
        MenuItemDef& def = item(row);
        const auto radio = table.value(def.number);
        if (!radio || *radio == def.value) continue;
        const std::string before = line(row);
        def.value = *radio;
        // A pending edit stays as entered, unless the radio now holds that very value.
        if (def.changed != 0 && wholeMenuValue(def.newValue) == wholeMenuValue(def.value)) {
            def.changed = 0;
        }
        if (line(row) != before) rows.push_back(row);
    }
    return rows;
}

std::string MenuListModel::line(int row) const {
    return menuLineText(item(row), shown14_, shown38_);
}

MenuListLine MenuListModel::columns(int row) const {
    const MenuItemDef& def = item(row);
    const auto text = [](const char* field, size_t size) {
        return std::string(field, strnlen(field, size));
    };
    char number[16];
    std::snprintf(number, sizeof number, "%03d", def.number);
    std::string setting = menuValueText(def, def.changed != 0 ? def.newValue : def.value,
                                        shownPosition(def.valueKind));
    if (!setting.empty() && setting.front() == ' ') setting.erase(0, 1);
    if (def.hasUnit != 0) setting += text(def.unit, kMenuUnitSize);
    return {number, text(def.name, kMenuNameSize), text(def.rangeText, kMenuRangeTextSize),
            setting};
}

int MenuListModel::selected() const {
    if (items_.empty()) return 0;
    return std::clamp(selected_, 0, count() - 1);
}

void MenuListModel::select(int row) {
    if (row >= 0 && row < count()) selected_ = row;
}

bool MenuListModel::stepShownPosition(bool forward) {
    if (items_.empty()) return false;
    const int kind = item(selected()).valueKind;
    if (kind == 14) {
        const int n = kLastPositionKind14 + 1;
        shown14_ = (shown14_ + (forward ? 1 : n - 1)) % n;
        return true;
    }
    if (kind == 38) {
        shown38_ = nextIndicatorPosition(shown38_, forward);
        return true;
    }
    return false;
}

std::vector<int> MenuListModel::filter(std::string_view text) const {
    const std::string wanted = lowered(text);
    std::vector<int> rows;
    for (int row = 0; row < count(); ++row) {
        const MenuItemDef& def = item(row);
        const std::string name =
            lowered(std::string_view(def.name, strnlen(def.name, kMenuNameSize)));
        if (wanted.empty() || std::to_string(def.number).find(wanted) != std::string::npos ||
            name.find(wanted) != std::string::npos) {
            rows.push_back(row);
        }
    }
    return rows;
}

int MenuListModel::rowOfNumber(int n) const {
    for (int row = 0; row < count(); ++row) {
        if (item(row).number == n) return row;
    }
    return -1;
}

int MenuListModel::pendingCount() const {
    return static_cast<int>(std::count_if(items_.begin(), items_.end(),
                                          [](const MenuItemDef& d) { return d.changed != 0; }));
}

MenuListCommit MenuListModel::commit(MenuTable& table) {
    MenuListCommit result;
    for (MenuItemDef& def : items_) {
        if (def.changed == 0) continue;
        def.value = def.newValue;
        if (!table.setItem(def.number, def)) continue;
        result.written.push_back(def.number);
        if (def.number == cat::kBaudRateMenuItem) result.baudRate = catRateBaud(def.newValue);
    }
    result.postWrite = !result.written.empty();
    return result;
}

}  // namespace velmora
