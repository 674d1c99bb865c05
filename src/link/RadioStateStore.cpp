#include "link/RadioStateStore.h"

#include "link/RecordDefaults.h"

namespace velmora {

void InitRadioState(RadioStateStore& store, const MenuLoaderStart& startMenuLoader) {
    store.link.commGate.store(false, std::memory_order_release);
    store.link.savedAutoInfoWanted.store(0, std::memory_order_relaxed);
    store.link.reEnablePending.store(false, std::memory_order_relaxed);
    applyRecordDefaults(store.records);
    store.menus.resetCount();
    if (startMenuLoader) startMenuLoader(store);
}

}  // namespace velmora
