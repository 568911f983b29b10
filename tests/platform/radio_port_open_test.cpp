// Why a port does not open: a user the device's permissions refuse is told so (and shown the fix by the
// window); a missing device is the ordinary port error.
#include "platform/radio_port.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zrt {
namespace {

TEST(RadioPortOpen, APermissionRefusalIsToldApartFromAMissingDevice) {
    if (::geteuid() != 0) GTEST_SKIP() << "acting as another user needs root";
    int master = -1;
    int slave = -1;
    char name[128] = {};
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
    ASSERT_EQ(::chmod(name, 0600), 0);  // as a serial device of root's alone

    RadioPort port;
    EXPECT_FALSE(port.open(QStringLiteral("/nonexistent/zrt410-port")));
    EXPECT_EQ(port.lastOpenFailure(), RadioPort::OpenFailure::Other);
    EXPECT_TRUE(port.open(QString::fromLocal8Bit(name)));
    EXPECT_EQ(port.lastOpenFailure(), RadioPort::OpenFailure::None);
    port.close();

    // The same device for a user outside its owner and group.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
        RadioPort refused;
        const bool opened = refused.open(QString::fromLocal8Bit(name));
        ::_exit(!dropped                                                                ? 2
                : opened                                                                ? 3
                : refused.lastOpenFailure() == RadioPort::OpenFailure::PermissionDenied ? 0
                                                                                        : 4);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "2: could not become another user, 3: opened, 4: not told apart";
    ::close(slave);
    ::close(master);
}

}  // namespace
}  // namespace zrt
