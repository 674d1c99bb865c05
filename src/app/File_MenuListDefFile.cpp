#include "app/File_MenuListDefFile.h"

#include <utility>

#include "link/MessageIds.h"

namespace velmora {

namespace {

MenuListDefLoaderHooks postingTo(WorkerThread& thread, MenuListDefLoaderHooks hooks) {
    hooks.postSelf = [&thread](uint32_t id) { thread.post(id, 0, 0); };
    return hooks;
}

}  // namespace

File_MenuListDefFile::File_MenuListDefFile(MenuTable& table, MenuListDefLoaderHooks hooks)
    : loader_(table, postingTo(thread_, std::move(hooks))) {
    thread_.on(msg::WM_MENU_LOAD, [this](uintptr_t, intptr_t) { loader_.load(); });
    // The thread ends on WM_THREAD_QUIT; the gate opens only then, not when the thread is
    // stopped at shutdown before it has loaded anything.
    thread_.onExit([this] {
        if (!thread_.stopRequested()) loader_.finish();
    });
}

std::unique_ptr<File_MenuListDefFile> startMenuListDefFile(MenuTable& table,
                                                           MenuListDefLoaderHooks hooks) {
    auto loader = std::make_unique<File_MenuListDefFile>(table, std::move(hooks));
    if (!loader->start()) return nullptr;
    // The queue exists from construction, so the request needs no wait for the thread to run.
    loader->thread().post(msg::WM_MENU_LOAD, 0, 0);
    return loader;
}

}  // namespace velmora
