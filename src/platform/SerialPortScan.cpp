#include "platform/SerialPortScan.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <string_view>
#include <system_error>

#include "serial/PortDirectory.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

// Kernel names of the families we list, in the order they are listed.
constexpr std::string_view kFamilies[] = {"ttyUSB", "ttyACM", "ttyS"};

// The number after the family prefix, or -1 when the rest is not all digits.
long unitNumber(std::string_view name, std::string_view prefix) {
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) return -1;
    long n = 0;
    for (char c : name.substr(prefix.size())) {
        if (!std::isdigit(static_cast<unsigned char>(c)) || n > 1'000'000) return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

std::vector<fs::path> sortedEntries(const fs::path& dir) {
    std::vector<fs::path> out;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        out.push_back(it->path());
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::string canonicalOf(const fs::path& p) {
    std::error_code ec;
    const fs::path c = fs::canonical(p, ec);
    return ec ? p.lexically_normal().string() : c.string();
}

// An on-board port the kernel has hardware for: its sysfs device exists and is not one of the
// "platform" placeholders registered for every possible port.
bool hasHardware(const ScanRoots& roots, const std::string& name) {
    const fs::path device = fs::path(roots.sys) / "class" / "tty" / name / "device";
    std::error_code ec;
    if (!fs::exists(device, ec)) return false;
    const fs::path subsystem = fs::read_symlink(device / "subsystem", ec);
    return ec || subsystem.filename() != "platform";
}

}  // namespace

std::vector<std::string> findSerialDevices(const ScanRoots& roots) {
    std::vector<std::string> found;
    std::set<std::string> seen;  // canonical paths already listed
    for (const fs::path& link : sortedEntries(fs::path(roots.dev) / "serial" / "by-id")) {
        std::error_code ec;
        if (!fs::exists(link, ec)) continue;  // a dangling link: the device has gone
        if (seen.insert(canonicalOf(link)).second) found.push_back(link.string());
    }
    const auto nodes = sortedEntries(roots.dev);
    for (std::string_view family : kFamilies) {
        std::vector<std::pair<long, fs::path>> units;
        for (const fs::path& node : nodes) {
            const long n = unitNumber(node.filename().string(), family);
            if (n >= 0) units.emplace_back(n, node);
        }
        std::sort(units.begin(), units.end());
        for (const auto& [n, node] : units) {
            const std::string name = node.filename().string();
            if (family == "ttyS" && !hasHardware(roots, name)) continue;
            if (seen.insert(canonicalOf(node)).second) found.push_back(node.string());
        }
    }
    return found;
}

void fillPortDirectory(PortDirectory& directory, const std::string& portMapPath,
                       const ScanRoots& roots) {
    if (directory.loadPortMap(portMapPath)) return;
    directory.assignInOrder(findSerialDevices(roots));
}

}  // namespace velmora
