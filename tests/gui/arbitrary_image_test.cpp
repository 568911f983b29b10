// The editor windows after a read or an Open of arbitrary bytes: every window redraws whatever the decode
// made of them, in both languages, and redrawing never changes the configuration: what a write or a Save
// would send is what the decode produced, not what a window made of it.
#include <gtest/gtest.h>

#include <random>

#include "app/main_window.h"
#include "app/msgbox.h"
#include "app/transfer_controller.h"
#include "session/session.h"
#include "transfer/image_transfer.h"

namespace zrt {
namespace {

MemoryImage encoded(const Configuration& config) {
    MemoryImage image;
    encodeImage(config, image);
    return image;
}

TEST(ArbitraryImage, WindowsRedrawItWithoutChangingTheConfiguration) {
    setMsgBoxResponder([](const MsgBoxRequest&) { return msg::kResultOk; });
    Session session;
    MainWindow window(session, PortNames(QStringLiteral("/nonexistent/zrt410-test-port")));
    window.show();
    std::mt19937 rng(20261208);
    for (int i = 0; i < 60; ++i) {
        SCOPED_TRACE(i);
        // Arbitrary bytes, erased memory, or arbitrary bytes over a mostly erased image.
        for (auto& b : session.imageIn.bytes())
            b = i % 3 == 1 || (i % 3 == 2 && rng() % 4 != 0) ? 0xFF : static_cast<std::uint8_t>(rng());
        session.config.languageIndex = i % 2 == 0 ? kEnglish : kChinese;
        window.applyLanguage();
        session.decode();
        const MemoryImage decoded = encoded(session.config);

        emit window.transfer().decoded();  // as at the end of a read: every window redraws
        ASSERT_EQ(encoded(session.config), decoded);
        session.config.languageIndex = 1 - session.config.languageIndex;
        window.applyLanguage();
        ASSERT_EQ(encoded(session.config), decoded);
    }
    setMsgBoxResponder({});
}

}  // namespace
}  // namespace zrt
