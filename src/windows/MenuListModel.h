#pragma once
// MENU LIST without the toolkit: the working copy of the menu records the window edits, the
// selected item (kept from one opening to the next), the shown positions of the bit-string
// lines, the arrow-key rules, the filter, and what OK does with the edits.
//
// One object lives as long as the main window; the window fills it at every opening. GUI thread
// only.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "link/MenuItemDef.h"

namespace velmora {

class MenuTable;

// One line of the list in its four columns (the setting with its unit).
struct MenuListLine {
    std::string number, name, range, setting;
};

// What OK of MENU LIST asks for once the changed records are in the store.
struct MenuListCommit {
    std::vector<int> written;  // item numbers, in item order
    bool postWrite = false;    // req::MENU_WRITE to the command thread
    int32_t baudRate = 0;      // CAT RATE was written: the port's new speed; 0 when not
};

class MenuListModel {
  public:
    // Copies the store's records, resets the shown positions (kind 14 at its last position, kind
    // 38 at its first) and drops every pending edit. The selected item stays.
    void fill(const MenuTable& table);
    // Takes the radio's values of the store into the lines that have no pending edit; returns the
    // rows whose line text changed.
    std::vector<int> refresh(const MenuTable& table);

    int count() const { return static_cast<int>(items_.size()); }
    const MenuItemDef& item(int row) const { return items_[static_cast<size_t>(row)]; }
    MenuItemDef& item(int row) { return items_[static_cast<size_t>(row)]; }
    std::string line(int row) const;
    MenuListLine columns(int row) const;

    // The selected row, kept within the rows filled (0 when empty).
    int selected() const;
    void select(int row);

    // Right (forward) or Left on the selected line: moves the shown position of its kind when it
    // is a bit-string line. The selection never moves. True when the line changed.
    bool stepShownPosition(bool forward);
    int shownPosition(int kind) const { return kind == 38 ? shown38_ : shown14_; }

    // Rows whose number (as typed, without leading zeros) or name contains text, ignoring case;
    // every row for an empty text.
    std::vector<int> filter(std::string_view text) const;
    // The row of item number n, -1 when there is none.
    int rowOfNumber(int n) const;

    bool pending(int row) const { return item(row).changed != 0; }
    int pendingCount() const;

    // Writes every record with a pending edit to the store (value = new value, the changed flag
    // still set, so that the command thread sends it) and says what to do next.
    MenuListCommit commit(MenuTable& table);

  private:
    std::vector<MenuItemDef> items_;
    int selected_ = 0;
    int shown14_ = 0;
    int shown38_ = 0;
};

// The port speed of a CAT RATE value (0 4800 ... 3 38400); 0 for anything else.
int32_t catRateBaud(double value);

}  // namespace velmora
