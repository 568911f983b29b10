// The link driver puts a step's frame on the line before the window hears of the step, so that the radio's
// answer is already under way while the progress bar repaints.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <QCoreApplication>
#include <vector>

#include "platform/link_driver.h"
#include "platform/qt_text.h"
#include "platform/radio_port.h"
#include "session/session.h"

namespace zrt {
namespace {

// The bytes waiting on the radio's end of the line, once some are there (or after timeoutMs without any).
std::vector<std::uint8_t> drain(int fd, int timeoutMs) {
    std::vector<std::uint8_t> bytes;
    pollfd p{fd, POLLIN, 0};
    while (::poll(&p, 1, bytes.empty() ? timeoutMs : 20) > 0) {
        std::uint8_t buffer[256];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    return bytes;
}

TEST(LinkDriverOrder, TheAnswerIsOnTheLineBeforeTheProgressIsShown) {
    int master = -1, slave = -1;
    char name[256] = {};
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);

    Session session;
    RadioPort port;
    ASSERT_TRUE(port.open(qs(name)));
    LinkDriver driver(session, port);
    std::vector<int> progress;
    std::vector<std::uint8_t> onTheLineAtProgress;
    LinkDriver::Handlers h;
    h.progress = [&](int value) {
        progress.push_back(value);
        onTheLineAtProgress = drain(master, 2000);
    };
    driver.setHandlers(std::move(h));

    driver.startRead();
    const std::vector<std::uint8_t> program = drain(master, 2000);
    EXPECT_EQ(std::string(program.begin(), program.end()), "PROGRAM");

    const std::uint8_t ack = 0x06;
    ASSERT_EQ(::write(master, &ack, 1), 1);
    for (int i = 0; i < 2000 && progress.empty(); ++i) {
        QCoreApplication::processEvents();
        if (progress.empty()) ::usleep(1000);
    }
    EXPECT_EQ(progress, std::vector<int>{1});
    // The identification request had gone out when the window was told of step 1.
    EXPECT_EQ(onTheLineAtProgress, std::vector<std::uint8_t>{0x02});

    port.close();
    ::close(master);
    ::close(slave);
}

}  // namespace
}  // namespace zrt
