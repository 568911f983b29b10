// The decisions behind the automatic backups of a radio's memory, without any file system: how a backup is
// named, which names are backups, which ones the pruning deletes, and what a list of backups shows of one.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "image/memory_image.h"

namespace zrt::backup {

inline constexpr std::size_t kKeep = 100;  // the newest backups kept
inline constexpr std::string_view kSuffix = ".dat";

struct Stamp {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    friend auto operator<=>(const Stamp&, const Stamp&) = default;
};

struct Name {
    Stamp stamp;
    int band = 0;
    int sequence = 1;  // a second backup within the same second gets "-2", and so on
    friend auto operator<=>(const Name&, const Name&) = default;
};

// "2026-12-06_221734_band2.dat"; from the second backup of a second on "2026-12-06_221734_band2-2.dat".
std::string fileName(const Name& name);
// The backup a file name stands for; nothing for any other file (which the program never deletes).
std::optional<Name> parseFileName(std::string_view fileName);

// The file names among `names` that are backups, newest first.
std::vector<std::string> newestFirst(const std::vector<std::string>& names);
// The backups to delete so that the newest `keep` remain; files that are not backups are never named.
std::vector<std::string> toPrune(const std::vector<std::string>& names, std::size_t keep = kKeep);

// What the list of backups shows of one: how many channels are set and the first channel names.
struct Summary {
    int band = 0;
    int usedChannels = 0;
    std::vector<std::string> firstNames;  // the names of the first named channels, as the radio holds them
};
Summary summarize(const MemoryImage& radioMemory, std::size_t names = 4);

}  // namespace zrt::backup
