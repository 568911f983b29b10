#include "config/dtmf.h"

#include "config/typing_rule.h"

namespace zrt {

void dtmfStartForm(Dtmf& dtmf) {
    dtmf.aniSending = 0;
    dtmf.aniSendingText.clear();
    dtmf.rate = 0;
    dtmf.firstDigitDelay = 6;
    dtmf.groupCall = 0;
    for (auto& t : dtmf.autodial)
        t.clear();
    dtmf.aniStart.clear();
    dtmf.aniEnd.clear();
    dtmf.ownCode.clear();
}

std::optional<char32_t> dtmfKey(char32_t key) {
    if (key >= U'a' && key <= U'z') key = key - U'a' + U'A';
    const bool accepted = (key >= U'0' && key <= U'9') || (key >= U'A' && key <= U'D') || key == U'*' ||
                          key == U'#' || key == kBackspaceKey;
    if (!accepted) return std::nullopt;
    return key;
}

}  // namespace zrt
