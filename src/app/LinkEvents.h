#pragma once
// What the application shell tells an onlooker about the link, one call per event: the console
// prints a line for each; the window will show them in its own way. Every call but portOpened
// comes on the main thread; portOpened comes on the thread that opened the port.
#include <cstdint>
#include <string_view>
#include <vector>

#include "link/StoreDump.h"

namespace velmora {

class LinkEvents {
  public:
    virtual ~LinkEvents() = default;
    virtual void portOpened(std::string_view /*description*/) {}
    virtual void portOpenFailed(std::string_view /*why*/) {}
    // The radio answered its identification; value is what it reported (362 is ours).
    virtual void radioIdentified(int /*value*/) {}
    virtual void autoInformationOn() {}
    // steps of the initial read asked so far (timer 4 ticks), of total.
    virtual void initialReadProgress(int /*steps*/, int /*total*/) {}
    virtual void menuReadStarted() {}
    virtual void menuReadComplete() {}
    // A notification reached the main window; code is its answer code ("FA", "EX", ...; empty
    // for one that has none) and changes what the store holds differently since the last one.
    virtual void notification(uint32_t /*id*/, std::string_view /*code*/,
                              const std::vector<RecordChange>& /*changes*/) {}
    // Whether notification() wants its changes (they cost a walk over the store).
    virtual bool wantsChanges() const { return false; }
};

}  // namespace velmora
