#include "session/document.h"

#include <algorithm>

namespace zrt {

int Document::subscribe(Listener listener) {
    const int key = nextKey_++;
    listeners_.emplace_back(key, std::move(listener));
    return key;
}

void Document::unsubscribe(int key) {
    std::erase_if(listeners_, [key](const auto& entry) { return entry.first == key; });
}

void Document::notify(const Change& change) {
    // A copy: an observer may subscribe or unsubscribe while it is told.
    const auto listeners = listeners_;
    for (const auto& [key, listener] : listeners)
        if (std::any_of(listeners_.begin(), listeners_.end(),
                        [k = key](const auto& e) { return e.first == k; }))
            listener(change);
}

}  // namespace zrt
