#include "app/OutputFileCheck.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace velmora {

std::string outputFileProblem(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return "is a folder";
    const bool existed = std::filesystem::exists(path, ec);
    // Opened without O_TRUNC: a file that is there keeps what it holds until the run's end.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return std::strerror(errno);
    ::close(fd);
    if (!existed) ::unlink(path.c_str());
    return {};
}

}  // namespace velmora
