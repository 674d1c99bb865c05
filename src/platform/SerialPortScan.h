#pragma once
// Finds the serial devices of this machine for the port directory, in an order that stays the
// same from run to run: /dev/serial/by-id/* first (names that survive replugging), then ttyUSB*,
// ttyACM* and ttyS*, each in numeric order (ttyS2 before ttyS10). A device already listed
// through a by-id link is not listed again under its kernel name. ttyS* nodes exist for every
// possible on-board port; only those the kernel found hardware for are listed (sysfs shows a
// device that is not a bare "platform" placeholder), so COM numbers do not go to dead ports.
//
// The roots are parameters so that tests can stand a temporary folder in for /dev and /sys.
#include <string>
#include <vector>

namespace velmora {

class PortDirectory;

struct ScanRoots {
    std::string dev = "/dev";
    std::string sys = "/sys";
};

std::vector<std::string> findSerialDevices(const ScanRoots& roots = {});

// The whole rule: the port map file when it exists, otherwise the devices found.
void fillPortDirectory(PortDirectory& directory, const std::string& portMapPath,
                       const ScanRoots& roots = {});

}  // namespace velmora
