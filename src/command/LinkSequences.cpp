#include "command/LinkSequences.h"

#include <string_view>

#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora {

namespace {

constexpr std::string_view kSyntheticAiOff = "AI0";
constexpr int kIdentifyRequestLength = 7;  // ID2000;

bool isOn(const BoundedInt& record) {
    return record.get() == 1;
}

}  // namespace

void sendAutoInformationSwitch(CommandContext& context) {
    RadioStateStore& store = context.store();
    context.openSerialPort();
    const int32_t ai = store.records.ai.get();
    if (ai != 0 && ai != 1) return;
    context.sendSet("AI", ai == 0 ? "1" : "0");
    if (!context.pause(kAiQueryPauseMs)) return;
    context.sendQuery("AI");
    // Only a switch off that the radio has not confirmed yet is completed on this side. A radio
    // that reported "AI1;" already, during the pause, after a switch on has done what it was
    // asked; taking its report for a failed switch off would end the link it just started.
    if (ai != 1 || !isOn(store.records.ai)) return;
    if (!context.pause(kAiOffPauseMs)) return;
    context.mailbox().post(Thread::Anl_Send_Thread, req::STOP_READS);
    store.link.aiOnSent.store(false, std::memory_order_relaxed);
    if (!isOn(store.records.ps)) {
        store.link.savedAutoInfoWanted.store(0, std::memory_order_relaxed);
    }
    // The analysis then treats the link as off at once, without waiting for the radio.
    store.recvRing.Put(kSyntheticAiOff.size(), kSyntheticAiOff.data());
    store.mailbox.post(Thread::Anl_Recv_Thread, msg::WM_ANSWER_QUEUED);
}

void sendKeepAlive(CommandContext& context) {
    const RadioRecords& records = context.store().records;
    if (isOn(records.ai)) context.sendQuery("PS");
    if (isOn(records.ps) && isOn(records.ai)) {
        if (!context.pause(kKeepAlivePauseMs)) return;
        context.sendQuery("AI");
    }
}

void sendIdentification(CommandContext& context) {
    context.sendQuery("ID");
    if (!context.pause(kIdentifyPauseMs)) return;
    CommandBuffer command;
    command.begin("ID", kIdentifyRequestLength);
    command.text(2, "2000");
    context.send(command);
    context.pause(kIdentifyPauseMs);
}

}  // namespace velmora
