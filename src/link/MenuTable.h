#pragma once
// The store's menu definition table: the item count and one MenuItemDef per item, indexed by
// number - 1. The answer analysis writes item values while the editor and the command thread read
// and replace whole records, so every access goes through the table's lock.
#include <array>
#include <atomic>
#include <mutex>
#include <optional>
#include <span>

#include "link/MenuItemDef.h"

namespace velmora {

class MenuTable {
  public:
    // Room for as many items as the count record allows.
    static constexpr int kCapacity = 500;
    // The count record {value, max, min} before the loader installs the table.
    static constexpr int kDefaultCount = 136, kMaxCount = 500, kMinCount = 1;

    MenuTable();

    // The number of defined items; numbers 1..count are valid.
    int count() const { return count_.load(std::memory_order_acquire); }
    // Stores the count if it lies within the count record's range.
    bool setCount(int n);
    void resetCount() { count_.store(kDefaultCount, std::memory_order_release); }

    // Copy of item n, or nothing when n is outside 1..count.
    std::optional<MenuItemDef> item(int n) const;
    // Replaces item n as a whole; refused (false) when n is outside 1..count.
    bool setItem(int n, const MenuItemDef& def);
    // Installs a whole table without the count check (the loader sets the count afterwards).
    void install(const MenuItemDef* defs, int n);

    // Width of the value field of item n, 0 when n is outside 1..count.
    int width(int n) const;
    int valueKind(int n) const;
    std::optional<double> value(int n) const;
    // The values of items 1..count, at most out.size() of them, taken under one lock (a walk over
    // every item would otherwise lock once an item); returns how many were written.
    int copyValues(std::span<double> out) const;
    bool setValue(int n, double v);
    // Item n if its changed flag is set, with the flag cleared in the table in the same step;
    // nothing when it is not changed or n is outside 1..count.
    std::optional<MenuItemDef> takeChanged(int n);

  private:
    bool inRange(int n) const { return n >= 1 && n <= count(); }

    std::atomic<int> count_{0};
    mutable std::mutex mutex_;  // guards items_
    std::array<MenuItemDef, kCapacity> items_{};
};

}  // namespace velmora
