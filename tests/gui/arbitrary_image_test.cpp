// The editor windows after a read or an Open of arbitrary bytes: every window redraws whatever the decode
// made of them, in both languages, and redrawing never changes the configuration: what a write or a Save
// would send is what the decode produced, not what a window made of it (display characters the keys cannot
// type included).
#include <gtest/gtest.h>

#include <random>

#include "app/transfer_controller.h"
#include "support/generators.h"
#include "support/ui_driver.h"

namespace zrt {
namespace {

using testing_support::encoded;

// The first address where two images differ, for the failure message.
std::string firstDifference(const MemoryImage& a, const MemoryImage& b) {
    for (std::size_t i = 0; i < MemoryImage::kSize; ++i)
        if (a[i] != b[i])
            return "address " + std::to_string(i) + ": " + std::to_string(a[i]) + " became " +
                   std::to_string(b[i]);
    return "none";
}

class ArbitraryImage : public ui_test::WindowTest {};

TEST_F(ArbitraryImage, WindowsRedrawItWithoutChangingTheConfiguration) {
    MainWindow& window = main();
    window.show();
    std::mt19937 rng(20261208);
    for (int i = 0; i < 60; ++i) {
        SCOPED_TRACE(i);
        // Arbitrary bytes, erased memory, or arbitrary bytes over a mostly erased image.
        MemoryImage in;
        for (auto& b : in.bytes())
            b = i % 3 == 1 || (i % 3 == 2 && rng() % 4 != 0) ? 0xFF : static_cast<std::uint8_t>(rng());
        session.setLanguage(i % 2 == 0 ? kEnglish : kChinese);
        window.applyLanguage();
        session.decode(in);
        const MemoryImage decoded = encoded(session.config());

        emit window.transfer().decoded();  // as at the end of a read: every window redraws
        ASSERT_EQ(firstDifference(decoded, encoded(session.config())), "none");
        session.setLanguage(1 - session.config().languageIndex);
        window.applyLanguage();
        ASSERT_EQ(firstDifference(decoded, encoded(session.config())), "none");
    }
}

}  // namespace
}  // namespace zrt
