// The safety nets of the window's transfers against the virtual radio: the backup after every read, the
// restore of a backup byte for byte, and the read-back after a write.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/transfer_controller.h"
#include "datafile/data_file.h"
#include "i18n/config_comparison.h"
#include "image/address_map.h"
#include "platform/backups.h"
#include "platform/qt_text.h"
#include "platform/radio_port.h"
#include "radio-sim/virtual_radio.h"
#include "session/session.h"
#include "session/write_verification.h"
#include "support/radio_memory.h"
#include "support/transfer_wait.h"
#include "ui/msgbox.h"

namespace zrt {
namespace {

using testing_support::patterned;

class SafetyNets : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        qputenv("ZRT410_BACKUP_DIR", folder().toUtf8());
        setMsgBoxResponder([this](const MsgBoxRequest& r) {
            shown_ << r.prompt;
            return msg::kResultOk;
        });
        controller_.setWatchdogInterval(40);
    }
    void TearDown() override {
        setMsgBoxResponder({});
        port_.close();
        if (radio_) radio_->stop();
    }

    sim::VirtualRadio& startRadio(const sim::RadioProtocol::Memory& memory,
                                  sim::RadioBehaviour behaviour = {}) {
        radio_ = std::make_unique<sim::VirtualRadio>(behaviour);
        EXPECT_TRUE(radio_->open()) << radio_->error();
        radio_->setMemory(memory);
        EXPECT_TRUE(radio_->start());
        EXPECT_TRUE(port_.open(qs(radio_->devicePath())));
        return *radio_;
    }
    QString folder() const { return dir_.filePath(QStringLiteral("backups")); }

    QTemporaryDir dir_;
    Session session_;
    RadioPort port_;
    TransferController controller_{session_, port_, nullptr};
    std::unique_ptr<sim::VirtualRadio> radio_;
    QStringList shown_;
};

sim::RadioProtocol::Memory memoryOfBand0(unsigned seed) {
    sim::RadioProtocol::Memory m = patterned(seed);
    m[addr::kBand] = 0;
    return m;
}

std::vector<std::uint8_t> fileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray d = f.readAll();
    return {d.begin(), d.end()};
}

// One backup per read, equal to the radio's memory; a folder that cannot be made is one warning, and the
// read succeeds all the same.
TEST_F(SafetyNets, EveryReadKeepsABackupAndAFailingFolderOnlyWarns) {
    const auto memory = memoryOfBand0(41);
    startRadio(memory);
    QString saved;
    QObject::connect(&controller_, &TransferController::backupSaved, [&](const QString& p) { saved = p; });
    controller_.startRead();
    ASSERT_TRUE(testing::waitForTransfer(controller_));
    EXPECT_EQ(shown_, QStringList{"Reading succeeds frequently!"});
    const QStringList backups = listBackups(folder());
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(saved, backups.front());
    MemoryImage image;
    std::copy(memory.begin(), memory.end(), image.bytes().begin());
    EXPECT_EQ(fileBytes(backups.front()), datafile::serialize(image));

    QFile blocker(dir_.filePath(QStringLiteral("blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("ZRT410_BACKUP_DIR", blocker.fileName().toUtf8());
    shown_.clear();
    session_.edit(Change::everything(), [&](Configuration& c_) { c_.channels.clearAll(); });
    controller_.startRead();
    ASSERT_TRUE(testing::waitForTransfer(controller_));
    ASSERT_EQ(shown_.size(), 2);
    EXPECT_TRUE(shown_[0].startsWith("The backup of the radio's memory could not be saved"))
        << shown_[0].toStdString();
    EXPECT_EQ(shown_[1], "Reading succeeds frequently!");
    EXPECT_TRUE(std::equal(memory.begin(), memory.end(), session_.imageIn().bytes().begin()));
    EXPECT_FALSE(session_.config().channels.isEmpty(1) && session_.config().channels.isEmpty(2));
}

// Restore sends the backup's bytes as they are; every byte the protocol writes is the backup's afterwards,
// and the configuration in the windows stays as it was.
TEST_F(SafetyNets, RestoreWritesTheBackupByteForByte) {
    const auto backup = memoryOfBand0(42), changed = memoryOfBand0(43);
    sim::VirtualRadio& radio = startRadio(backup);
    controller_.startRead();
    ASSERT_TRUE(testing::waitForTransfer(controller_));
    const QStringList backups = listBackups(folder());
    ASSERT_EQ(backups.size(), 1);
    radio.setMemory(changed);
    session_.edit(Change::everything(), [&](Configuration& c_) { c_.channels.clearAll(); });
    const Configuration before = session_.config();

    shown_.clear();
    controller_.startRestore(backups.front());
    ASSERT_TRUE(testing::waitForTransfer(controller_));
    EXPECT_EQ(shown_, QStringList{"Writing succeeds frequently!"});
    const auto after = radio.memory();
    std::vector<bool> written(after.size(), false);
    for (std::size_t block : writtenBlocks(false))
        for (std::size_t k = 0; k < 16 && block + k < after.size(); ++k)
            written[block + k] = true;
    for (std::size_t a = 0; a < after.size(); ++a)
        ASSERT_EQ(after[a], written[a] ? backup[a] : changed[a]) << a;
    EXPECT_TRUE(compareConfigurations(before, session_.config(), kEnglish).empty());
    EXPECT_EQ(listBackups(folder()).size(), 1);  // the read-back keeps no backup

    shown_.clear();
    controller_.startRestore(dir_.filePath(QStringLiteral("missing.dat")));
    ASSERT_TRUE(testing::waitForTransfer(controller_));
    ASSERT_EQ(shown_.size(), 1);
    EXPECT_TRUE(shown_[0].startsWith("The file could not be opened: "));
}

// A radio that acknowledges a block without keeping it: the read-back names its address and success is
// never claimed. Without the check, the write claims success as the radio acknowledged everything.
TEST_F(SafetyNets, VerifyAfterWriteCatchesADroppedBlock) {
    sim::RadioBehaviour dropping;
    dropping.dropBlock = 0x120;
    startRadio(memoryOfBand0(44), dropping);
    std::vector<bool> commands;
    QObject::connect(&controller_, &TransferController::commandsEnabled,
                     [&](bool on) { commands.push_back(on); });
    ASSERT_TRUE(controller_.verifyAfterWrite());
    controller_.startWrite();
    ASSERT_TRUE(testing::waitForTransfer(controller_));
    ASSERT_EQ(shown_.size(), 1) << shown_.join('|').toStdString();
    EXPECT_TRUE(
        shown_[0].startsWith("Verify after write: the radio does not hold what was written. 1 of the "
                             "188 blocks written differ, at the addresses 0x12"))
        << shown_[0].toStdString();
    EXPECT_EQ(commands, (std::vector<bool>{false, true}));  // available again at once

    shown_.clear();
    controller_.setVerifyAfterWrite(false);
    controller_.startWrite();
    ASSERT_TRUE(testing::waitForTransfer(controller_));
    EXPECT_EQ(shown_, QStringList{"Writing succeeds frequently!"});
}

}  // namespace
}  // namespace zrt
