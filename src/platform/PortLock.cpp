#include "platform/PortLock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace velmora {

namespace {

constexpr const char* kLockFolders[] = {"/run/lock", "/var/lock", nullptr};

// The PID written in a UUCP lock file (ASCII, ten columns), or 0.
long pidInLockFile(const std::string& file) {
    std::ifstream in(file);
    long pid = 0;
    in >> pid;
    return in ? pid : 0;
}

bool processAlive(long pid) {
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// The PID holding a flock on the file open as fd, from the kernel's list of locks, or 0.
long flockHolder(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return 0;
    char key[64];
    std::snprintf(key, sizeof key, "%02x:%02x:%llu", major(st.st_dev), minor(st.st_dev),
                  static_cast<unsigned long long>(st.st_ino));
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);) {
        std::istringstream fields(line);
        std::string slot, kind, mode, access, where;
        long pid = 0;
        fields >> slot >> kind >> mode >> access >> pid >> where;
        if (kind == "FLOCK" && where == key) return pid;
    }
    return 0;
}

// Makes the lock file with our PID; a file left by a program that has ended is taken over.
bool createLockFile(const std::string& file, std::string& cause) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            char text[16];
            const int n =
                std::snprintf(text, sizeof text, "%10ld\n", static_cast<long>(::getpid()));
            const bool written = ::write(fd, text, static_cast<size_t>(n)) == n;
            ::close(fd);
            if (!written) ::unlink(file.c_str());
            return true;
        }
        if (errno != EEXIST) return true;  // a lock folder we may not write: flock alone guards
        const long pid = pidInLockFile(file);
        if (processAlive(pid)) {
            cause = inUseCause(pid);
            return false;
        }
        ::unlink(file.c_str());
    }
    return true;
}

}  // namespace

std::string inUseCause(long pid) {
    if (pid <= 0) return "in use by another program";
    return "in use by another program (PID " + std::to_string(pid) + ")";
}

std::string PortLock::lockFilePath(const std::string& devicePath, const char* const* folders) {
    std::error_code ec;
    std::string real = std::filesystem::canonical(devicePath, ec).string();
    if (ec) real = devicePath;
    std::string name = real.starts_with("/dev/") ? real.substr(5) : real;
    for (char& c : name)
        if (c == '/') c = '_';
    for (const char* const* f = folders ? folders : kLockFolders; *f; ++f) {
        if (std::filesystem::is_directory(*f, ec)) return std::string(*f) + "/LCK.." + name;
    }
    return {};
}

bool PortLock::acquire(int fd, const std::string& path, std::string& cause) {
    release();
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        cause = inUseCause(errno == EWOULDBLOCK ? flockHolder(fd) : 0);
        return false;
    }
    const std::string file = lockFilePath(path);
    if (file.empty()) return true;
    if (!createLockFile(file, cause)) return false;
    if (pidInLockFile(file) == static_cast<long>(::getpid())) lockFile_ = file;
    return true;
}

void PortLock::release() {
    if (lockFile_.empty()) return;
    ::unlink(lockFile_.c_str());
    lockFile_.clear();
}

}  // namespace velmora
