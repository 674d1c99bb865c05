// Answers that steer the link: identification, auto-information, power and radio status.
#include <cstring>

#include "link/AnswerAnalysis.h"
#include "link/AnswerHandlers.h"
#include "link/CatStrings.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora {

bool analyseID(AnswerAnalysis& an, const AnswerText& a) {
    auto& s = an.store();
    int32_t v = 0;
    const bool ok = a.number(2, 4, v) && s.records.id.set(v);
    if (std::memcmp(a.data() + 2, cat::kIdentification.data(), 4) != 0) {
        s.mailbox.post(Thread::Anl_Send_Thread, req::COMM_SWITCH);
        s.mailbox.postToWindow(msg::WM_COMM_FAILURE, 1, 3);
    } else {
        s.mailbox.post(Thread::Anl_Send_Thread, req::START_INITIAL_READ);
    }
    return ok;
}

// A digit that is not a valid state steers nothing: only a stored state switches the link.
bool analyseAI(AnswerAnalysis& an, const AnswerText& a) {
    auto& s = an.store();
    auto& link = s.link;
    const int32_t old = s.records.ai.get();
    int32_t v = 0;
    if (!a.digit(2, v) || !s.records.ai.set(v)) return false;
    const int32_t now = s.records.ai.get();
    link.autoInfoWanted.store(now, std::memory_order_relaxed);
    const bool switchedOn = now == 1 && now != old;
    if (switchedOn || link.reEnablePending.load(std::memory_order_relaxed)) {
        s.mailbox.post(Thread::Anl_Send_Thread, req::IDENTIFY);
        link.reEnablePending.store(false, std::memory_order_relaxed);
    }
    if (switchedOn) {
        if (WindowHost* w = s.mainWindow.load(std::memory_order_acquire)) {
            w->send(msg::WM_AI_SWITCHED_ON, 0, 0);
        }
    }
    if (now != 0) return true;
    if (link.aiOnSent.load(std::memory_order_relaxed)) {
        // The radio dropped auto-information that we had asked for: ask again.
        link.autoInfoWanted.store(0, std::memory_order_relaxed);
        s.mailbox.post(Thread::Anl_Send_Thread, req::COMM_SWITCH);
        return false;
    }
    s.mailbox.post(Thread::Anl_Send_Thread, req::STOP_READS);
    an.resetMeters();
    return true;
}

bool analysePS(AnswerAnalysis& an, const AnswerText& a) {
    auto& s = an.store();
    auto& link = s.link;
    int32_t v = 0;
    if (!a.digit(2, v) || !s.records.ps.set(v)) return false;
    const int32_t power = s.records.ps.get();
    if (power != link.lastKnownPower.load(std::memory_order_relaxed)) {
        if (power == 1) {
            if (link.savedAutoInfoWanted.load(std::memory_order_relaxed) != 0) {
                // Switched back on: auto-information resumes through the switch request, and
                // the AI answer that follows asks for the identification again.
                link.reEnablePending.store(true, std::memory_order_relaxed);
                link.autoInfoWanted.store(0, std::memory_order_relaxed);
                // The switch toggles by the state it finds. A radio that has just come on has
                // auto-information off whatever the store still says from before, so the switch
                // must find it off and ask for it on - not send "AI0;".
                s.records.ai.set(0);
                s.mailbox.post(Thread::Anl_Send_Thread, req::COMM_SWITCH);
            }
        } else {
            link.savedAutoInfoWanted.store(link.autoInfoWanted.load(std::memory_order_relaxed),
                                           std::memory_order_relaxed);
            an.resetMeters();
            s.mailbox.post(Thread::Anl_Send_Thread, req::STOP_READS);
        }
    }
    link.lastKnownPower.store(power, std::memory_order_relaxed);
    return true;
}

bool analyseRS(AnswerAnalysis& an, const AnswerText& a) {
    auto& s = an.store();
    int32_t v = 0;
    if (!a.digit(2, v) || !s.records.rs.set(v)) return false;
    if (s.records.rs.get() == 2) s.mailbox.post(Thread::Anl_Send_Thread, req::START_MENU_READ);
    return true;
}

}  // namespace velmora
