#include "command/MemoryTextRead.h"

#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora {

void StartMemoryTextTimer(RadioStateStore& store) {
    if (WindowHost* w = store.mainWindow.load(std::memory_order_acquire)) {
        w->setTimer(timer::MEMORY_TEXT, kMemoryTextStepMs);
    }
}

void StopMemoryTextTimer(RadioStateStore& store) {
    store.link.memoryTextPosition.store(kFirstMemoryText, std::memory_order_relaxed);
    if (WindowHost* w = store.mainWindow.load(std::memory_order_acquire)) {
        w->killTimer(timer::MEMORY_TEXT);
    }
}

void sendNextMemoryTextQuery(CommandContext& context) {
    auto& position = context.store().link.memoryTextPosition;
    const int32_t p = position.load(std::memory_order_relaxed);
    if (p < kFirstMemoryText || p > kLastMemoryText) {
        StopMemoryTextTimer(context.store());
        return;
    }
    CommandBuffer command;
    if (!command.beginQuery("KM")) return;
    command.field(2, 1, p);
    context.send(command);
    position.store(p + 1, std::memory_order_relaxed);
}

}  // namespace velmora
