#include "link/MenuTable.h"

#include <algorithm>

namespace velmora {

MenuTable::MenuTable() = default;

bool MenuTable::setCount(int n) {
    if (n < kMinCount || n > kMaxCount) return false;
    count_.store(n, std::memory_order_release);
    return true;
}

std::optional<MenuItemDef> MenuTable::item(int n) const {
    if (!inRange(n)) return std::nullopt;
    std::lock_guard lock(mutex_);
    return items_[n - 1];
}

bool MenuTable::setItem(int n, const MenuItemDef& def) {
    if (!inRange(n)) return false;
    std::lock_guard lock(mutex_);
    items_[n - 1] = def;
    return true;
}

void MenuTable::install(const MenuItemDef* defs, int n) {
    std::lock_guard lock(mutex_);
    std::copy_n(defs, std::clamp(n, 0, kCapacity), items_.begin());
}

int MenuTable::width(int n) const {
    if (!inRange(n)) return 0;
    std::lock_guard lock(mutex_);
    return items_[n - 1].width;
}

int MenuTable::valueKind(int n) const {
    if (!inRange(n)) return 0;
    std::lock_guard lock(mutex_);
    return items_[n - 1].valueKind;
}

std::optional<double> MenuTable::value(int n) const {
    if (!inRange(n)) return std::nullopt;
    std::lock_guard lock(mutex_);
    return items_[n - 1].value;
}

int MenuTable::copyValues(std::span<double> out) const {
    std::lock_guard lock(mutex_);
    const int n = std::min({count(), kCapacity, static_cast<int>(out.size())});
    for (int i = 0; i < n; ++i) out[static_cast<size_t>(i)] = items_[static_cast<size_t>(i)].value;
    return n;
}

bool MenuTable::setValue(int n, double v) {
    if (!inRange(n)) return false;
    std::lock_guard lock(mutex_);
    items_[n - 1].value = v;
    return true;
}

std::optional<MenuItemDef> MenuTable::takeChanged(int n) {
    if (!inRange(n)) return std::nullopt;
    std::lock_guard lock(mutex_);
    MenuItemDef& def = items_[n - 1];
    if (def.changed == 0) return std::nullopt;
    def.changed = 0;
    return def;
}

}  // namespace velmora
