#include "link/PanelActionTable.h"

#include "link/MessageIds.h"
#include "link/ThreadMailbox.h"

namespace velmora {

namespace {

// Three runs of consecutive ids: first index, last index, id of the first index.
struct ActionRun {
    int first, last;
    uint32_t firstId;
};
// clang-format off
constexpr ActionRun kRuns[] = {
    {1,   108, req::COMM_SWITCH},  // to req::PC_VALUE
    {109, 147, req::LM_01},        // to req::MEMORY_TEXT_READ
    {148, 186, req::CA_SWITCH},    // to req::KC_51_LAST
};
// clang-format on

constexpr PanelActionTableType buildTable() {
    PanelActionTableType table{};
    for (const ActionRun& run : kRuns) {
        for (int i = run.first; i <= run.last; ++i) {
            table[static_cast<size_t>(i)] = run.firstId + static_cast<uint32_t>(i - run.first);
        }
    }
    return table;
}

}  // namespace

constinit const PanelActionTableType PanelActionTable = buildTable();

bool PostPanelAction(const ThreadMailbox& mailbox, int action, bool carriesTarget, bool isSub,
                     bool carriesValue, int32_t value) {
    if (action <= 0 || action >= kPanelActionCount) return false;
    return mailbox.post(Thread::Anl_Send_Thread, PanelActionTable[static_cast<size_t>(action)],
                        panelActionFlags(carriesTarget, isSub, carriesValue), value);
}

}  // namespace velmora
