#pragma once
// The agreement by which serial programs on Linux keep off a port another one uses: an
// exclusive flock on the open device, and the UUCP lock file (LCK..name holding the owner's PID)
// in /run/lock or /var/lock where such a folder exists. Either found taken means the port is in
// use, and the PID of its user is named when it can be found.
#include <string>

namespace velmora {

class PortLock {
  public:
    PortLock() = default;
    ~PortLock() { release(); }
    PortLock(const PortLock&) = delete;
    PortLock& operator=(const PortLock&) = delete;

    // fd: the device just opened from path. False, with cause set to "in use by another program
    // (PID n)", when another holds the port.
    bool acquire(int fd, const std::string& path, std::string& cause);
    // Removes the lock file this lock made (the flock goes with the descriptor).
    void release();

    // LCK..ttyUSB0 for /dev/ttyUSB0 and its links (LCK..pts_3 for /dev/pts/3), in the first lock
    // folder of folders that exists; empty when none does.
    static std::string lockFilePath(const std::string& devicePath,
                                    const char* const* folders = nullptr);

  private:
    std::string lockFile_;  // the lock file this lock made, to remove at release
};

// "in use by another program (PID n)", or without the PID when pid <= 0.
std::string inUseCause(long pid);

}  // namespace velmora
