#pragma once
// Every chunk that crosses the line, in both directions, with a monotonic timestamp: ">" for
// bytes to the radio, "<" for bytes from it. Kept in memory (for tests) and/or written to a file
// line by line as "<ms> <direction> <bytes>", bytes outside printable ASCII as \xNN.
#include <cstdint>
#include <fstream>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::sim {

struct TranscriptEntry {
    double millis;   // since the transcript started
    char direction;  // '>' to the radio, '<' from the radio
    std::string bytes;
};

class Transcript {
  public:
    static constexpr char kToRadio = '>', kFromRadio = '<';

    // keepInMemory: also hold the entries for entries() (up to a bound).
    explicit Transcript(bool keepInMemory = true);
    // Also writes every entry to path (truncated first). False if it cannot be opened.
    bool openFile(const std::string& path);

    void record(char direction, std::string_view bytes);
    std::vector<TranscriptEntry> entries() const;
    // All bytes of one direction, concatenated.
    std::string joined(char direction) const;

    static std::string formatLine(const TranscriptEntry& e);

  private:
    static constexpr size_t kMaxEntries = 200000;
    const bool keep_;
    const int64_t startMicros_;
    mutable std::mutex mutex_;  // guards entries_ and file_
    std::vector<TranscriptEntry> entries_;
    std::ofstream file_;
};

}  // namespace velmora::sim
