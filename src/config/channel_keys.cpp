#include "config/channel_keys.h"

namespace zrt {

std::optional<char32_t> filterFrequencyKey(char32_t key) {
    if ((key >= U'0' && key <= U'9') || key == U'.' || key == kBackspaceKey) return key;
    return std::nullopt;
}

std::optional<char32_t> filterNameKey(char32_t key) {
    if (key >= U'a' && key <= U'z') key = key - U'a' + U'A';
    if ((key >= 35 && key <= 122) || key == U'.' || key == kBackspaceKey) return key;
    return std::nullopt;
}

}  // namespace zrt
