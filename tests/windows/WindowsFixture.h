#pragma once
// The option windows' logic over a real store and the real command thread's logic: what a window
// posts is run through the dispatcher, so tests read the commands the radio would get. The
// window's own timers are a recording fake; tests tick them by hand.
#include <string>
#include <vector>

#include "command/CommandFixture.h"
#include "link/AnswerAnalysis.h"

namespace velmora::test {

class WindowsFixture : public CommandFixture {
  protected:
    // The commands of everything the window posted since the last call.
    std::vector<std::string> commands() {
        const std::vector<WindowMessage> posts = selfThread.posts();
        selfThread.clear();
        for (const WindowMessage& m : posts) request(m.id, m.wParam, m.lParam);
        return sent();
    }
    void answer(const std::string& text) { analysis.analyse(text); }

    FakeWindowHost timers;
    AnswerAnalysis analysis{*store};
};

}  // namespace velmora::test
