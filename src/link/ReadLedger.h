#pragma once
// The queries of the running read whose answers have not come yet. The command thread notes each
// query as it asks it; the analysis thread strikes it off once an answer that begins with it has
// been stored. A read is complete only when nothing is left, so an answer lost to line noise, a
// refusal ("?;") or a short silence is asked for again instead of leaving a default in the store.
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class ReadLedger {
  public:
    // Forgets every query (a read starts, or stops).
    void clear();
    // query: the command without its ";" ("FA", "NA0", "EX001"). Asked twice, noted once.
    void expect(std::string_view query);
    // answer: code and parameters, no ";". Strikes off every query it begins with.
    void answered(std::string_view answer);
    // The queries still waiting, in the order they were first asked.
    std::vector<std::string> missing() const;
    bool complete() const;

  private:
    mutable std::mutex mutex_;           // guards expected_
    std::vector<std::string> expected_;  // a few hundred at most: a linear walk is enough
};

// "FA EX032 ..." of at most limit queries, then "…" when more were left out.
std::string missingList(const std::vector<std::string>& missing, size_t limit = 12);

}  // namespace velmora
