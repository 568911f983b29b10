// Several radios from one command line: the built zr-t410-cli beside several virtual radios.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>

#include "platform/backups.h"
#include "support/cli_process.h"
#include "support/serial_fixture.h"

namespace zrt {
namespace {

using namespace testing_support;

// The table row of a device: its cells.
QStringList rowOf(const QString& out, const QString& device) {
    for (const QString& line : out.split('\n'))
        if (line.startsWith(device + ' '))
            return line.split(QRegularExpression(QStringLiteral("\\s{2,}")), Qt::SkipEmptyParts);
    return {};
}

class Fleet : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    // A virtual radio, reached through a link in the test's folder (so that a pattern finds exactly ours).
    QString addRadio(const QString& name, sim::RadioBehaviour behaviour = {}) {
        radios_.push_back(std::make_unique<sim::VirtualRadio>(behaviour));
        sim::VirtualRadio& r = *radios_.back();
        EXPECT_TRUE(r.open()) << r.error();
        EXPECT_TRUE(r.start());
        const QString link = path(name);
        QFile::remove(link);
        EXPECT_TRUE(QFile::link(qs(r.devicePath()), link));
        return link;
    }
    QString path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    std::vector<std::unique_ptr<sim::VirtualRadio>> radios_;
};

// Every radio a port pattern finds is written at the same time from one command; each port gets its own
// result, and one port's failure stops no other. The same radios are then read at once, one file each.
TEST_F(Fleet, WritesAndReadsEveryRadioAtOnceEachWithItsOwnResult) {
    const sim::RadioProtocol::Memory wanted = asTheProgramKeepsIt(patterned(5));
    dataFileOf(wanted, path("fleet.dat"));

    const sim::RadioBehaviour behaviours[] = {{.silentAfter = 0}, {.bandCode = 2}, {}, {}};
    const QStringList results{"no answer", "refused band", "verified", "verified"};
    QDir(dir_.path()).mkpath(QStringLiteral("ports"));
    QStringList devices;
    for (unsigned i = 0; i < 4; ++i) {
        devices << addRadio(QStringLiteral("ports/radio%1").arg(i), behaviours[i]);
        radios_.back()->setMemory(patterned(100 + i));
    }
    const CliRun r = cli({"write", path("fleet.dat"), "--verify", "--port", path("ports/radio*")});
    EXPECT_EQ(r.code, 1) << r.err.toStdString();
    for (unsigned i = 0; i < 4; ++i) {
        EXPECT_EQ(rowOf(r.out, devices[int(i)]).value(1), results[int(i)]) << r.out.toStdString();
        const auto memory = radios_[i]->memory();
        EXPECT_TRUE(i < 2 ? memory == patterned(100 + i) : writtenOver(memory, wanted, memory));
    }

    const qsizetype backupsBefore = listBackups().size();
    const CliRun reading =
        cli({"read", "--port", path("ports/radio2"), "--port", path("ports/radio3"), "-o", path("reads")});
    EXPECT_EQ(reading.code, 0) << reading.err.toStdString();
    for (int i : {2, 3}) {
        const QStringList row = rowOf(reading.out, path(QStringLiteral("ports/radio%1").arg(i)));
        EXPECT_EQ(row.value(1), "read") << reading.out.toStdString();
        EXPECT_TRUE(row.value(3).startsWith(path(QStringLiteral("reads/radio%1-").arg(i))));
        EXPECT_EQ(fileContents(row.value(3)),
                  dataFileOf(asTheProgramKeepsIt(radios_[std::size_t(i)]->memory())));
    }
    EXPECT_EQ(QDir(path("reads")).entryList(QDir::Files).size(), 2);
    EXPECT_EQ(listBackups().size(), backupsBefore + 2);  // each radio read is also backed up
}

// A station writes the radio switched on at its port, logs it, and ends on Ctrl+C with a summary.
TEST_F(Fleet, AStationLogsEveryRadioAndEndsOnCtrlC) {
    const QString device = addRadio(QStringLiteral("radio"));
    dataFileOf(asTheProgramKeepsIt(patterned(6)), path("fleet.dat"));

    QProcess p;
    p.start(cliPath(),
            {"station", path("fleet.dat"), "--port", device, "--verify", "--log", path("log.csv")});
    ASSERT_TRUE(p.waitForStarted());
    QString out;
    for (int i = 0; i < 100 && !out.contains("radio 1 programmed"); ++i) {
        p.waitForReadyRead(100);
        out += QString::fromUtf8(p.readAllStandardOutput());
    }
    ASSERT_TRUE(out.contains(device + ": radio 1 programmed")) << out.toStdString();
    ::kill(static_cast<pid_t>(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(10000));
    out += QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(rowOf(out, device), (QStringList{device, "1", "0"})) << out.toStdString();
    EXPECT_FALSE(radios_[0]->programming());

    const QStringList log = QString::fromUtf8(fileContents(path("log.csv"))).trimmed().split('\n');
    EXPECT_EQ(log.value(0), "time,port,result,first_difference");
    EXPECT_TRUE(log.size() == 2 && log[1].endsWith("," + device + ",verified,"))
        << log.join('|').toStdString();
}

}  // namespace
}  // namespace zrt
