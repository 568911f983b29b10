// The receive threshold of the serial port: arrived bytes wait until at least the threshold are waiting, and
// are then handed over all at once. The read transfer relies on it to see a 20-byte data block in one piece.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zrt::link {

class ReceiveBuffer {
  public:
    // A threshold below 1 counts as 1. Changing it hands nothing over by itself: the next arrival does.
    void setThreshold(int bytes);
    int threshold() const { return threshold_; }

    // Appends the arrived bytes; returns every waiting byte once at least the threshold are waiting.
    std::optional<std::vector<std::uint8_t>> arrive(std::span<const std::uint8_t> bytes);

    std::size_t waiting() const { return waiting_.size(); }
    void clear() { waiting_.clear(); }

  private:
    int threshold_ = 1;
    std::vector<std::uint8_t> waiting_;
};

}  // namespace zrt::link
