#pragma once
// A file the run will write only at its end (--dump-state) is checked at its start, so that an
// unwritable path is found before an hour's run rather than after it.
#include <string>

namespace velmora {

// Empty when path can be written (it is created and removed again when it did not exist), else
// why not ("Permission denied", "is a folder").
std::string outputFileProblem(const std::string& path);

}  // namespace velmora
