// velmora-feed: answers from a file or stdin through RecvRing into the answer analysis; prints
// every notification, every request to the command thread and every changed store value.
//
//   velmora-feed [--raw] [--dump] [FILE|-]
//
// Without --raw each line is one answer ("FA14195000;"; a missing ";" is added; lines starting
// with "#" and empty lines are skipped). With --raw the input is one byte stream, cut into answers
// by the receive side's length rule; malformed bytes are dropped through the next ";".
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "link/AnswerLength.h"
#include "link/AnswerReceiver.h"
#include "link/CatCommandTable.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "link/StoreDump.h"
#include "menulist/BuiltInMenuTable.h"

namespace velmora::feed {
namespace {

std::string codeOfNotification(uint32_t id) {
    if (id == notify::EX) return "EX";
    for (const auto& r : kCatTables.answer) {
        if (static_cast<uint32_t>(r.second) == id) return {r.code[0], r.code[1]};
    }
    return {};
}

class PrintingWindow : public WindowHost {
  public:
    void post(uint32_t id, uintptr_t wParam, intptr_t lParam) override {
        const std::string code = codeOfNotification(id);
        std::printf("0x%04X", id);
        if (!code.empty()) std::printf(" %s", code.c_str());
        if (wParam != 0 || lParam != 0) {
            std::printf(" wParam=%ju lParam=%jd", static_cast<uintmax_t>(wParam),
                        static_cast<intmax_t>(lParam));
        }
        std::printf("\n");
    }
    void send(uint32_t id, uintptr_t, intptr_t) override { std::printf("send 0x%04X\n", id); }
    void setTimer(int, int) override {}
    void killTimer(int) override {}
};

class PrintingCommandThread : public ThreadHandle {
  public:
    bool post(uint32_t id, uintptr_t, intptr_t) override {
        std::printf("-> Anl_Send_Thread 0x%04X\n", id);
        return true;
    }
    bool isRunning() const override { return true; }
};

class Feeder {
  public:
    explicit Feeder(RadioStateStore& store) : store_(store), receiver_(store) {
        before_ = snapshotRecords(store_);
    }

    // Cuts buf into answers as the receive side does and analyses each.
    void feed(const std::vector<uint8_t>& buf) {
        size_t pos = 0;
        while (pos < buf.size()) {
            const uint8_t* p = buf.data() + pos;
            const size_t fill = buf.size() - pos;
            const AnswerLength len = determineAnswerLength(p, fill, store_.menus);
            if (len.recognised && answerComplete(p, fill, len.length)) {
                deliver(p, static_cast<size_t>(len.length) - 1);
                pos += static_cast<size_t>(len.length);
            } else {
                pos += dropThroughTerminator(p, fill);
            }
        }
    }

  private:
    static size_t dropThroughTerminator(const uint8_t* p, size_t fill) {
        const void* end = std::memchr(p, ';', fill);
        const size_t n = end ? static_cast<const uint8_t*>(end) - p + 1 : fill;
        std::printf("dropped %s\n", printable(p, n).c_str());
        return n;
    }

    static std::string printable(const uint8_t* p, size_t n) {
        std::string s;
        for (size_t i = 0; i < n; ++i) {
            char hex[8];
            if (p[i] >= 0x20 && p[i] < 0x7F) {
                s += static_cast<char>(p[i]);
            } else {
                std::snprintf(hex, sizeof hex, "\\x%02X", p[i]);
                s += hex;
            }
        }
        return s;
    }

    static std::string shown(const std::string& value) { return value.empty() ? "\"\"" : value; }

    void deliver(const uint8_t* answer, size_t length) {
        std::printf("< %s;\n", printable(answer, length).c_str());
        if (store_.recvRing.Put(length, answer) != length) {
            std::printf("refused by RecvRing\n");
            return;
        }
        receiver_.onAnswerQueued();
        auto after = snapshotRecords(store_);
        for (const auto& c : diffSnapshots(before_, after)) {
            std::printf("%s %s -> %s\n", c.key.c_str(), shown(c.before).c_str(),
                        shown(c.after).c_str());
        }
        before_ = std::move(after);
    }

    RadioStateStore& store_;
    AnswerReceiver receiver_;
    RecordSnapshot before_;
};

// One answer per line; "#" comments and blank lines skipped; ";" added where missing.
std::vector<uint8_t> linesToStream(std::istream& in) {
    std::vector<uint8_t> out;
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() &&
               (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
            line.pop_back();
        }
        const size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#') continue;
        line.erase(0, start);
        if (line.back() != ';') line += ';';
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

int usage() {
    std::fprintf(stderr, "usage: velmora-feed [--raw] [--dump] [FILE|-]\n");
    return 2;
}

}  // namespace
}  // namespace velmora::feed

int main(int argc, char** argv) {
    using namespace velmora;
    bool raw = false, dump = false;
    std::string path = "-";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--raw") {
            raw = true;
        } else if (arg == "--dump") {
            dump = true;
        } else if (arg == "--help" || arg == "-h") {
            return feed::usage();
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            return feed::usage();
        } else {
            path = arg;
        }
    }
    std::ifstream file;
    if (path != "-") {
        file.open(path, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "velmora-feed: cannot open %s\n", path.c_str());
            return 1;
        }
    }
    std::istream& in = path == "-" ? std::cin : file;

    auto store = std::make_unique<RadioStateStore>();
    feed::PrintingWindow window;
    feed::PrintingCommandThread commandThread;
    InitRadioState(*store, [](RadioStateStore& s) {
        const auto& defs = builtInMenuDefinitions();
        s.menus.install(defs.data(), kBuiltInMenuItemCount);
        s.menus.setCount(kBuiltInMenuItemCount);
        s.link.commGate = true;
    });
    InitPanelState(*store);
    store->mainWindow = &window;
    store->threads.Anl_Send_Thread = &commandThread;

    const std::vector<uint8_t> bytes =
        raw ? std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {})
            : feed::linesToStream(in);
    feed::Feeder(*store).feed(bytes);

    if (dump) {
        std::printf("# store\n");
        forEachRecord(*store, [](std::string_view key, std::string_view value) {
            std::printf("%.*s = %.*s\n", static_cast<int>(key.size()), key.data(),
                        static_cast<int>(value.size()), value.data());
        });
    }
    store->mainWindow = nullptr;
    store->threads.Anl_Send_Thread = nullptr;
    return 0;
}
