#include "session/backup_catalog.h"

#include <gtest/gtest.h>

namespace zrt::backup {
namespace {

TEST(BackupCatalog, NamesAreReadBackAndNothingElseCountsAsABackup) {
    const Name first{{2026, 12, 6, 22, 17, 34}, 2, 1};
    EXPECT_EQ(fileName(first), "2026-12-06_221734_band2.dat");
    EXPECT_EQ(fileName({first.stamp, 0, 3}), "2026-12-06_221734_band0-3.dat");
    for (const Name& n : {first, Name{{1999, 1, 31, 0, 0, 0}, 3, 12}})
        EXPECT_EQ(parseFileName(fileName(n)), n) << fileName(n);
    for (const char* other :
         {"2026-12-06_221734_band2.DAT", "2026-12-06_221734_band.dat", "2026-13-06_221734_band2.dat",
          "2026-12-06_251734_band2.dat", "2026-12-06_221734_band2-1.dat", "2026-12-06_221734_band2-.dat",
          "2026-12-06_221734_band-2.dat", "my radio.dat", "2026-12-06_221734_band2.dat~",
          "x026-12-06_221734_band2.dat", ""})
        EXPECT_FALSE(parseFileName(other)) << other;
}

// The newest 100 are kept, whatever order the folder lists them in; a second backup within the same second
// is newer than the first; foreign files are never named.
TEST(BackupCatalog, PruningKeepsTheNewestHundred) {
    std::vector<std::string> names{"notes.dat", "2026-12-06_221734_band2-2.dat"};
    for (int i = 0; i < 102; ++i)
        names.push_back(fileName({{2026, 1 + i / 28, 1 + i % 28, 10, 0, 0}, i % 4, 1}));
    names.push_back("2026-12-06_221734_band2.dat");
    std::reverse(names.begin() + 1, names.end());

    const std::vector<std::string> sorted = newestFirst(names);
    ASSERT_EQ(sorted.size(), 104u);
    EXPECT_EQ(sorted[0], "2026-12-06_221734_band2-2.dat");
    EXPECT_EQ(sorted[1], "2026-12-06_221734_band2.dat");
    EXPECT_EQ(toPrune(names),
              (std::vector<std::string>{"2026-01-04_100000_band3.dat", "2026-01-03_100000_band2.dat",
                                        "2026-01-02_100000_band1.dat", "2026-01-01_100000_band0.dat"}));
    EXPECT_TRUE(toPrune(std::vector<std::string>(sorted.begin(), sorted.begin() + 100)).empty());
}

}  // namespace
}  // namespace zrt::backup
