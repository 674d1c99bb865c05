#include "app/StoreRigControl.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora {

rigctl::RigState StoreRigControl::state() const {
    const RadioRecords& r = store_.records;
    rigctl::RigState s;
    s.frequency[kMain] = r.fa.get();
    s.frequency[kSub] = r.fb.get();
    s.mode[kMain] = r.md[kMain].get();
    s.mode[kSub] = r.md[kSub].get();
    s.split = r.ft.get() == 1;
    s.transmitting = r.tx.get() != 0;
    s.linkUp = r.ai.get() == 1;
    s.powerOn = r.ps.get() == 1;
    s.clarifierOn = r.ifStatus.rxClarifier.get() == 1;
    s.clarifierHz = static_cast<int>(std::lround(r.ifStatus.clarifierOffset.get()));
    s.sMeter = r.sm[kMain].get();
    s.rfPower = r.pc.get();
    s.refusals = store_.link.refusalsSeen.load(std::memory_order_relaxed);
    return s;
}

bool StoreRigControl::send(const rigctl::RigSet& set) {
    const auto value = static_cast<intptr_t>(set.value);
    switch (set.kind) {
        case rigctl::RigSetKind::Frequency:
            return store_.mailbox.post(Thread::Anl_Send_Thread,
                                       set.side == kMain ? req::FREQUENCY_A : req::FREQUENCY_B, 0,
                                       value);
        case rigctl::RigSetKind::Split:
            return store_.mailbox.post(Thread::Anl_Send_Thread, value ? req::FT_1 : req::FT_0);
        case rigctl::RigSetKind::Mode: {
            // The catalogue has no mode row (the panel's mode keys step through the radio's
            // own pairs), so the command goes in as the command entry's text does.
            char command[8];
            std::snprintf(command, sizeof command, "MD%d%X;", set.side, static_cast<int>(value));
            return sendText(command);
        }
        case rigctl::RigSetKind::Ptt:
            return sendText(value ? "TX1;" : "TX0;");
        case rigctl::RigSetKind::ClearClarifier:
            return store_.mailbox.post(Thread::Anl_Send_Thread, req::RC);
    }
    return false;
}

bool StoreRigControl::sendText(const char* command) {
    if (store_.sendRing.Put(std::strlen(command), command) == 0) return false;
    return store_.mailbox.post(Thread::Anl_Send_Thread, req::SEND_QUEUED);
}

}  // namespace velmora
