// A channel list is whatever file the user picks: the import must take any bytes without a crash, and every
// channel it sets must be one the channel editor could have made.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "config/channel_csv.h"
#include "config/channel_table.h"
#include "i18n/channel_csv_texts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    zrt::BandState band;
    band.limits = zrt::kBands[size % zrt::kBandCount].limits;
    zrt::ChannelStore store;
    const zrt::CsvImport result = zrt::importChannelsCsv(text, store, band);
    for (const zrt::CsvNote& note : result.refused)
        (void)zrt::csvNoteText(note, zrt::kChinese);
    for (int n = 1; n <= zrt::kChannelCount; ++n) {
        if (store.isEmpty(n)) continue;
        if (store[static_cast<std::size_t>(n - 1)].name.size() > 6) __builtin_trap();
        (void)zrt::channelCellText(store, n, zrt::kRxColumn, zrt::kEnglish);
    }
    // What was imported exports and imports again without a refusal.
    const zrt::CsvExport out = zrt::exportChannelsCsv(store, band.limits);
    zrt::ChannelStore again;
    if (!zrt::importChannelsCsv(out.text, again, band).refused.empty()) __builtin_trap();
    return 0;
}
