#pragma once
// Where the link's failure texts reach the operator: a modal message box in the window, a line
// on the console without one. showFailure returns when the operator has closed the box, so the
// main thread's handler that called it waits as a modal box makes it wait.
#include <string_view>

namespace velmora {

class FailurePresenter {
  public:
    virtual ~FailurePresenter() = default;
    virtual void showFailure(int stringId, std::string_view text) = 0;
};

}  // namespace velmora
