#pragma once
// Where the panel's pictures come from: a picture for each resource id, at its stated size. The
// Qt side loads them from a skin folder or draws them; tests give sizes only.
#include <cstdint>
#include <optional>

namespace velmora {

struct PictureSize {
    int32_t width = 0, height = 0;
    bool operator==(const PictureSize&) const = default;
};

class PictureSource {
  public:
    virtual ~PictureSource() = default;
    // The size of picture id, or nothing when there is no such picture.
    virtual std::optional<PictureSize> picture(int32_t id) const = 0;
};

}  // namespace velmora
