#pragma once
// What the menu loader thread does with its two messages, apart from the thread: the load
// request installs the built-in definitions and asks the thread to end; the end opens the
// communication gate, so that no command reaches the radio before the menu widths are known.
#include <cstdint>
#include <functional>
#include <string_view>

namespace velmora {

class MenuTable;

// Text of the menu-file entry of the failure texts; the shipped entry is not enabled.
inline constexpr std::string_view kMenuFileFailureText =
    "The menu configuration file was not able to be read.\nIt starts by the default setting.";

struct MenuListDefLoaderHooks {
    // Posts a thread message to the loader's own thread.
    std::function<void(uint32_t id)> postSelf;
    // Sets the store's communication gate to 1.
    std::function<void()> openGate;
    // Whether the menu-file entry of the failure texts is enabled; unset means not enabled.
    std::function<bool()> menuFileFailureEnabled;
    // Shows a failure text to the operator.
    std::function<void(std::string_view text)> showFailure;
};

class MenuListDefLoader {
  public:
    MenuListDefLoader(MenuTable& table, MenuListDefLoaderHooks hooks);

    // Handles one thread message; true when the thread is to end.
    bool handle(uint32_t id);

    // WM_MENU_LOAD: the built-in table into the store, its count to 177, then WM_THREAD_QUIT
    // to the own thread.
    void load();
    // WM_THREAD_QUIT: opens the communication gate and reports the menu-file failure text
    // when that entry is enabled.
    void finish();

  private:
    MenuTable& table_;
    MenuListDefLoaderHooks hooks_;
};

}  // namespace velmora
