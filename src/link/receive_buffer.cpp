#include "link/receive_buffer.h"

#include <utility>

namespace zrt::link {

void ReceiveBuffer::setThreshold(int bytes) {
    threshold_ = bytes < 1 ? 1 : bytes;
}

std::optional<std::vector<std::uint8_t>> ReceiveBuffer::arrive(std::span<const std::uint8_t> bytes) {
    waiting_.insert(waiting_.end(), bytes.begin(), bytes.end());
    if (bytes.empty() || waiting_.size() < static_cast<std::size_t>(threshold_)) return std::nullopt;
    return std::exchange(waiting_, {});
}

}  // namespace zrt::link
