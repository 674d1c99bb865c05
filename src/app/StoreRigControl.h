#pragma once
// The network clients' view of the radio: reads from the store, which auto-information keeps
// current, so no client poll costs a serial command; changes go to the command thread, which
// sends them in the order they were asked among the panel's own.
#include "rigctl/RigControl.h"

namespace velmora {

class RadioStateStore;

class StoreRigControl : public rigctl::RigControl {
  public:
    explicit StoreRigControl(RadioStateStore& store) : store_(store) {}
    rigctl::RigState state() const override;
    bool send(const rigctl::RigSet& set) override;

  private:
    bool sendText(const char* command);

    RadioStateStore& store_;
};

}  // namespace velmora
