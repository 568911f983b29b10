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

}  // namespace
}  // namespace zrt::backup
