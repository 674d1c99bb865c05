#pragma once
// What the initial read asks at each position of the read table: the read kind decides, and the
// enumerated kind lists its selectors per code.
#include <span>
#include <string_view>

#include "command/CommandContext.h"

namespace velmora {

// The pause between the two queries of a both-receivers position and after each PE query.
inline constexpr int kReadQueryPauseMs = 25;

// Positions of the read table the initial read never queries: ID (the identification has its
// own exchange) and AI (asking would disturb the auto-information switch).
constexpr bool isSkippedReadPosition(int position) {
    return position == 0 || position == 57;
}

// The selectors of one enumerated position, in the order they are asked.
struct EnumeratedRead {
    int position;
    std::span<const std::string_view> selectors;
    bool pauseAfterEach;
};
std::span<const EnumeratedRead> enumeratedReads();

// Sends the queries of one position; false when a pause was cut short (the thread is ending).
bool sendReadPosition(CommandContext& context, int position);

}  // namespace velmora
