#pragma once
// The panel's actions as request ids of the command thread, and the one way the panel posts
// them: PostPanelAction with the target and value flags in wParam and the value in lParam.
#include <array>
#include <cstdint>

namespace velmora {

class ThreadMailbox;

inline constexpr int kPanelActionCount = 187;  // index 0 has no action
using PanelActionTableType = std::array<uint32_t, kPanelActionCount>;

// Index -> thread message id; entry 0 is 0.
extern const PanelActionTableType PanelActionTable;

// wParam flags of a panel action. Handlers read only the sub-receiver bit.
inline constexpr uintptr_t kActionSubTarget = 0x00000001;
inline constexpr uintptr_t kActionCarriesValue = 0x00100000;
inline constexpr uintptr_t kActionCarriesTarget = 0x10000000;

// The wParam PostPanelAction posts: one bit per flag, as the caller gives them (the panel passes
// isSub only for actions that carry a target).
constexpr uintptr_t panelActionFlags(bool carriesTarget, bool isSub, bool carriesValue) {
    return (carriesTarget ? kActionCarriesTarget : 0) | (isSub ? kActionSubTarget : 0) |
           (carriesValue ? kActionCarriesValue : 0);
}

// Posts action's request to Anl_Send_Thread; false for an index without an action (0 or outside
// the table) or when the thread takes no posts.
bool PostPanelAction(const ThreadMailbox& mailbox, int action, bool carriesTarget, bool isSub,
                     bool carriesValue, int32_t value);

}  // namespace velmora
