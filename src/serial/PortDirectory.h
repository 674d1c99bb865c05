#pragma once
// Maps the operator's port names COM1-COM20 to device paths. COM numbers stay what the operator
// chooses and what CommSetting.csv keeps; the directory says which device each one means here:
//  1. an override for one run (--port PATH), bound to the COM number in use;
//  2. otherwise the lines "number,path" of CommoFiles/PortMap.csv when that file exists;
//  3. otherwise the serial devices found on the machine, in a stable order, COM1 first.
// A COM number with no device maps to nothing and behaves like a port that cannot be opened.
//
// Filled at start-up and possibly refreshed by the port dialog while the send thread opens the
// port, so every access takes the lock.
#include <array>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class PortDirectory {
  public:
    static constexpr int kFirstCom = 1;
    static constexpr int kLastCom = 20;
    static constexpr const char* kPortMapFile = "PortMap.csv";  // in the folder CommoFiles

    enum class Source { Nothing, PortMap, Scan };

    // Reads the "number,path" lines of a port map. Numbers outside 1..20, rows without a path
    // and rows whose first cell is not a plain number (a heading, a comment) are skipped; a later
    // line for the same number wins. A last line without a line feed counts: the file is written by
    // hand. False if the file cannot be read; the directory is unchanged then.
    bool loadPortMap(const std::string& path);
    bool loadPortMapBytes(std::string_view bytes);
    // COM1 for the first device, COM2 for the second, ...; devices beyond COM20 are left out.
    void assignInOrder(const std::vector<std::string>& devices);
    // Binds path to COM number com for this run, above whatever else maps it. An empty path
    // removes the override.
    void setOverride(int com, std::string path);

    // The device of COM number com; empty when there is none (or com is outside 1..20).
    std::string pathFor(int com) const;
    // "COM3 (/dev/ttyUSB0)", or "COM3 (no device)": wherever a COM name is shown.
    std::string describe(int com) const;
    Source source() const;

  private:
    static bool valid(int com) { return com >= kFirstCom && com <= kLastCom; }

    mutable std::mutex mutex_;  // guards paths_, source_, overrideCom_ and overridePath_
    std::array<std::string, kLastCom> paths_{};  // index com - 1
    Source source_ = Source::Nothing;
    int overrideCom_ = 0;
    std::string overridePath_;
};

}  // namespace velmora
