#pragma once
// What the application shell tells an onlooker about the link, one call per event: the console
// prints a line for each; the window will show them in its own way. Every call but portOpened
// comes on the main thread; portOpened comes on the thread that opened the port.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "link/StoreDump.h"

namespace velmora {

class LinkEvents {
  public:
    virtual ~LinkEvents() = default;
    virtual void portOpened(std::string_view /*description*/) {}
    virtual void portOpenFailed(std::string_view /*why*/) {}
    // The port was closed (a lost line, a power event, a switch); comes on the closing thread.
    virtual void portClosed() {}
    // The radio answered its identification; value is what it reported (362 is ours).
    virtual void radioIdentified(int /*value*/) {}
    virtual void autoInformationOn() {}
    // Auto-information went off: switched off, the radio silent or switched off.
    virtual void autoInformationOff() {}
    // A connection attempt heard nothing from the radio; text says where and what to check.
    // The link keeps asking.
    virtual void radioSilent(std::string_view /*text*/) {}
    // steps of the initial read asked so far (timer 4 ticks), of total.
    virtual void initialReadProgress(int /*steps*/, int /*total*/) {}
    virtual void menuReadStarted() {}
    // The link that was up was lost (why says how); the link now waits for the device and the
    // radio and connects again by itself. linkRestored: the radio identified itself again.
    virtual void linkLost(std::string_view /*why*/) {}
    virtual void linkRestored() {}
    virtual void menuReadComplete() {}
    // The reads ended with answers missing after asking again; missing names the queries.
    virtual void menuReadIncomplete(const std::vector<std::string>& /*missing*/) {}
    // CommSetting.csv could not be read at start and was kept; the operator has since chosen a
    // port or speed, so the file was renamed to setAside and the choice saved at path.
    virtual void commSettingSetAside(std::string_view /*path*/, std::string_view /*setAside*/) {}
    // A notification reached the main window; code is its answer code ("FA", "EX", ...; empty
    // for one that has none) and changes what the store holds differently since the last one.
    virtual void notification(uint32_t /*id*/, std::string_view /*code*/,
                              const std::vector<RecordChange>& /*changes*/) {}
    // Whether notification() wants its changes (they cost a walk over the store).
    virtual bool wantsChanges() const { return false; }
};

}  // namespace velmora
