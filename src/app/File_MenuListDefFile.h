#pragma once
// The menu loader thread: takes one load request, installs the built-in menu definitions, opens
// the communication gate as it ends, and is gone. Until then the serial threads send nothing.
#include <memory>

#include "menulist/MenuListDefLoader.h"
#include "platform/WorkerThread.h"

namespace velmora {

class MenuTable;

class File_MenuListDefFile {
  public:
    // hooks.postSelf is replaced by a post to this thread.
    File_MenuListDefFile(MenuTable& table, MenuListDefLoaderHooks hooks);

    bool start() { return thread_.start(); }
    // What the store keeps of the thread: the target for the load request and the running check.
    WorkerThread& thread() { return thread_; }

  private:
    MenuListDefLoader loader_;
    // Last, so that it ends and is joined before the loader goes away.
    WorkerThread thread_{"MenuListDefFile"};
};

// Creates the loader thread and posts it the load request (WM_MENU_LOAD); nothing when the
// thread cannot be created.
std::unique_ptr<File_MenuListDefFile> startMenuListDefFile(MenuTable& table,
                                                           MenuListDefLoaderHooks hooks);

}  // namespace velmora
