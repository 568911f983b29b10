#include "config/channel_lists.h"

#include "image/tone_list.h"

namespace zrt {

std::string channelListItem(int column, int position, int languageIndex) {
    if (column < kFirstListColumn || column > kLastListColumn || position < 0 || position > 1) return {};
    return std::string(kChannelListItems[column - kFirstListColumn][position].in(languageIndex));
}

std::string channelToneItem(int position, int languageIndex) {
    return toneListItem(position, languageIndex);
}

}  // namespace zrt
