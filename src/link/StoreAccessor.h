#pragma once
// Constructed around store accesses by code that wants to mark them; it locks nothing. Every
// shared value of the store is atomic or guarded by its own lock.
namespace velmora {

class StoreAccessor {
  public:
    virtual ~StoreAccessor() = default;
};

}  // namespace velmora
