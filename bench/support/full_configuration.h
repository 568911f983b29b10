// A configuration with every one of the 128 channels set (frequencies, tones, lists, names), the worst case
// for the decode, the encode and the channel tables; and its data file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "config/channel_edit.h"
#include "config/channel_table.h"
#include "config/configuration.h"
#include "datafile/data_file.h"
#include "image/tone_list.h"
#include "mapping/image_transfer.h"

namespace zrt::bench {

inline Configuration fullConfiguration() {
    Configuration config = startConfiguration();
    for (int n = 1; n <= kChannelCount; ++n) {
        char text[32];
        // Group A on the A band, group B on the B band, so both sides of the band check are used.
        if (n <= 64)
            std::snprintf(text, sizeof text, "%.5f", 136.0 + 0.025 * n);
        else
            std::snprintf(text, sizeof text, "%.5f", 400.0 + 0.125 * n);
        commitFrequency(config.channels, config.band, n, ChannelFrequency::Receive, text);
        std::snprintf(text, sizeof text, "%.5f", (n <= 64 ? 140.0 : 440.0) + 0.0125 * n);
        commitFrequency(config.channels, config.band, n, ChannelFrequency::Transmit, text);
        for (int column : {3, 4}) {
            const int tone = 1 + (n * 7 + column) % (kToneListSize - 1);
            commitListChoice(config.channels, n, *listOfColumn(column), tone, toneListItem(tone, 1));
        }
        for (int column = 5; column <= 10; ++column)
            commitListChoice(config.channels, n, *listOfColumn(column), n % 2, "");
        commitName(config.channels, n, "CH" + std::to_string(n));
    }
    return config;
}

inline std::vector<std::uint8_t> fullDataFile() {
    MemoryImage image;
    encodeImage(fullConfiguration(), image);
    return datafile::serialize(image);
}

}  // namespace zrt::bench
