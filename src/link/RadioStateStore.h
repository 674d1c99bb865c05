#pragma once
// The one block of state that the link threads, the main window and the dialogs share: the
// radio-state records, the menu definitions, the link flags, the panel state, the serial port's
// fields, the two rings, the pointers to the worker threads and the main window, and the mailbox
// that posts through them.
//
// main() (or a test) creates one store with std::make_unique<RadioStateStore>() - it holds two
// 1 MiB rings, so it does not belong on a stack - and passes it by reference to what needs it.
// There is no global instance.
#include <atomic>
#include <functional>
#include <string_view>

#include "link/CommRing.h"
#include "link/LinkFlags.h"
#include "link/MainWindowFlags.h"
#include "link/MenuTable.h"
#include "link/PanelState.h"
#include "link/RadioRecords.h"
#include "link/ReadLedger.h"
#include "link/SerialPortState.h"
#include "link/ThreadMailbox.h"
#include "link/ThreadPointers.h"
#include "link/WindowHost.h"

namespace velmora {

class RadioStateStore {
  public:
    RadioStateStore() = default;
    RadioStateStore(const RadioStateStore&) = delete;
    RadioStateStore& operator=(const RadioStateStore&) = delete;

    RadioRecords records;
    MenuTable menus;
    LinkFlags link;
    PanelState panel;
    SerialPortState port;
    MainWindowFlags windowFlags;
    SendRing sendRing;
    RecvRing recvRing;
    ReadLedger readLedger;  // the running read's unanswered queries
    ThreadPointers threads;
    std::atomic<WindowHost*> mainWindow{nullptr};
    // Posts to the threads above and the main window; hand it to parts that only post.
    ThreadMailbox mailbox{threads, mainWindow};
};

// Starts the menu loader: creates File_MenuListDefFile, waits 10 ms, posts it WM_MENU_LOAD.
using MenuLoaderStart = std::function<void(RadioStateStore&)>;

// Closes the communication gate, clears the saved auto-information wish and re-enable-pending,
// sets every radio-state record and the menu count from their defaults, then starts the menu
// loader (which opens the gate when it has installed the definitions).
void InitRadioState(RadioStateStore& store, const MenuLoaderStart& startMenuLoader);

// The panel's start values (called right after InitRadioState).
inline void InitPanelState(RadioStateStore& store) {
    InitPanelState(store.panel);
}

}  // namespace velmora
