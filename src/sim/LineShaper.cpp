#include "sim/LineShaper.h"

#include <algorithm>
#include <set>

namespace velmora::sim {

void LineShaper::addAnswer(const std::string& answer, int64_t nowMicros,
                           std::deque<LineChunk>& out) {
    const size_t pieces = std::clamp<size_t>(static_cast<size_t>(std::max(plan_.splitPieces, 1)), 1,
                                             std::max<size_t>(answer.size(), 1));
    std::set<size_t> cuts;
    while (cuts.size() + 1 < pieces) cuts.insert(1 + random_.below(answer.size() - 1));
    cuts.insert(answer.size());
    size_t from = 0;
    int64_t at = nowMicros;
    for (size_t cut : cuts) {
        out.push_back({answer.substr(from, cut - from), at});
        from = cut;
        at += int64_t{plan_.splitGapMs} * 1000;
    }
}

std::string LineShaper::noiseDue(int64_t nowMicros) {
    if (plan_.noiseBytesPerSecond <= 0) {
        lastNoiseMicros_ = -1;
        return {};
    }
    if (lastNoiseMicros_ >= 0)
        noiseOwed_ +=
            plan_.noiseBytesPerSecond * static_cast<double>(nowMicros - lastNoiseMicros_) / 1e6;
    lastNoiseMicros_ = nowMicros;
    std::string noise;
    for (; noiseOwed_ >= 1.0; noiseOwed_ -= 1.0) noise += static_cast<char>(random_.below(256));
    return noise;
}

}  // namespace velmora::sim
