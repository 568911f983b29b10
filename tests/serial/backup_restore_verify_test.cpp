// The safety nets of the window's transfers against the virtual radio: the backup after every read, the
// restore of a backup byte for byte, the read-back after a write, and a port that is not open.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/transfer_controller.h"
#include "i18n/backup_captions.h"
#include "i18n/config_comparison.h"
#include "image/address_map.h"
#include "platform/backups.h"
#include "support/serial_fixture.h"
#include "support/transfer_wait.h"

namespace zrt {
namespace {

using namespace testing_support;

class SafetyNets : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        qputenv("ZRT410_BACKUP_DIR", folder().toUtf8());
        controller_.setWatchdogInterval(40);
        QObject::connect(&controller_, &TransferController::commandsEnabled,
                         [this](bool on) { commands_.push_back(on); });
    }
    QString folder() const { return dir_.filePath(QStringLiteral("backups")); }

    QTemporaryDir dir_;
    Session session_;
    SerialBench bench_;
    MessageLog log_;
    TransferController controller_{session_, bench_.port, nullptr};
    std::vector<bool> commands_;
};

sim::RadioProtocol::Memory memoryOfBand0(unsigned seed) {
    sim::RadioProtocol::Memory m = patterned(seed);
    m[addr::kBand] = 0;
    return m;
}

// A read keeps a backup equal to the radio's memory; Restore sends its bytes as they are, so every byte the
// protocol writes is the backup's afterwards, and the configuration in the windows stays as it was. A backup
// folder that cannot be made is one warning, and the read succeeds all the same.
TEST_F(SafetyNets, EveryReadKeepsABackupThatRestoresByteForByte) {
    const auto backup = memoryOfBand0(42), changed = memoryOfBand0(43);
    sim::VirtualRadio& radio = bench_.startRadio(backup);
    QString saved;
    QObject::connect(&controller_, &TransferController::backupSaved, [&](const QString& p) { saved = p; });
    controller_.startRead();
    ASSERT_TRUE(testing::waitForTransfer(controller_));
    EXPECT_EQ(log_.texts(), QStringList{qs(msg::kReadSucceeded.text, kEnglish)});
    const QStringList backups = listBackups(folder());
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(saved, backups.front());
    EXPECT_EQ(fileContents(saved), dataFileOf(backup));
    EXPECT_TRUE(std::equal(backup.begin(), backup.end(), session_.imageIn().bytes().begin()));

    radio.setMemory(changed);
    session_.edit(Change::everything(), [&](Configuration& c) { c.channels.clearAll(); });
    const Configuration before = session_.config();
    log_.shown.clear();
    controller_.startRestore(saved);
    ASSERT_TRUE(testing::waitForTransfer(controller_));
    EXPECT_EQ(log_.texts(), QStringList{qs(msg::kWriteSucceeded.text, kEnglish)});
    const auto after = radio.memory();
    EXPECT_TRUE(writtenOver(after, backup, changed));
    EXPECT_TRUE(compareConfigurations(before, session_.config(), kEnglish).empty());
    EXPECT_EQ(listBackups(folder()).size(), 1);  // the read-back keeps no backup

    log_.shown.clear();
    controller_.startRestore(dir_.filePath(QStringLiteral("missing.dat")));
    ASSERT_TRUE(testing::waitForTransfer(controller_));
    ASSERT_EQ(log_.shown.size(), 1u);
    EXPECT_TRUE(log_.shown[0].text.startsWith(qs(msg::kFileOpenFailed.text, kEnglish)));

    QFile blocker(dir_.filePath(QStringLiteral("blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    qputenv("ZRT410_BACKUP_DIR", blocker.fileName().toUtf8());
    log_.shown.clear();
    controller_.startRead();
    ASSERT_TRUE(testing::waitForTransfer(controller_));
    ASSERT_EQ(log_.shown.size(), 2u);
    EXPECT_TRUE(log_.shown[0].text.startsWith(qs(backup_text::kFailed, kEnglish).section("%1", 0, 0)));
    EXPECT_EQ(log_.shown[1].text, qs(msg::kReadSucceeded.text, kEnglish));
    EXPECT_TRUE(std::equal(after.begin(), after.end(), session_.imageIn().bytes().begin()));
}

// A radio that acknowledges a block without keeping it: the read-back names its address and success is
// never claimed. Without the check, the write claims success as the radio acknowledged everything.
TEST_F(SafetyNets, VerifyAfterWriteCatchesADroppedBlock) {
    bench_.startRadio(memoryOfBand0(44), {.dropBlock = 0x120});
    ASSERT_TRUE(controller_.verifyAfterWrite());
    controller_.startWrite();
    ASSERT_TRUE(testing::waitForTransfer(controller_));
    ASSERT_EQ(log_.shown.size(), 1u) << log_.texts().join('|').toStdString();
    const QString differs = qs(backup_text::kVerifyDiffers, kEnglish);
    EXPECT_TRUE(log_.shown[0].text.startsWith(differs.left(differs.indexOf("%1")).arg("1", "188") + "0x12"))
        << log_.shown[0].text.toStdString();
    EXPECT_EQ(commands_, (std::vector<bool>{false, true}));  // available again at once

    log_.shown.clear();
    controller_.setVerifyAfterWrite(false);
    controller_.startWrite();
    ASSERT_TRUE(testing::waitForTransfer(controller_));
    EXPECT_EQ(log_.texts(), QStringList{qs(msg::kWriteSucceeded.text, kEnglish)});
}

TEST_F(SafetyNets, AClosedPortSaysSoAndStartsNothing) {
    sim::VirtualRadio& radio = bench_.startRadio();
    bench_.port.close();
    controller_.startRead();
    ASSERT_TRUE(testing::waitForTransfer(controller_));
    EXPECT_EQ(log_.texts(), QStringList{qs(msg::kPortInvalid.text, kEnglish)});
    EXPECT_TRUE(commands_.empty());
    EXPECT_TRUE(radio.frames().empty());
}

}  // namespace
}  // namespace zrt
