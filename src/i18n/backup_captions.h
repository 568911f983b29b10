// The captions and texts of the backups, of verify after write and of the comparison of two
// configurations: the Backups window, the Compare window, their questions and messages. The texts are
// shared with the command line.
#pragma once

#include <span>

#include "i18n/captions.h"

namespace zrt {

std::span<const Caption> backupsWindowCaptions();
std::span<const Caption> compareWindowCaptions();

namespace backup_text {

// %1 is the backup's path.
inline constexpr Text kSaved{"Backup of the radio's memory: %1", "对讲机存储的备份：%1"};
// %1 is the reason; the read itself has succeeded.
inline constexpr Text kFailedTitle{"Be careful", "注意"};
inline constexpr Text kFailed{
    "The backup of the radio's memory could not be saved (%1). The read itself succeeded.",
    "无法保存对讲机存储的备份（%1）。读频本身已成功。"};

// %1 is the backup's date and time.
inline constexpr Text kRestoreTitle{"Be careful", "注意"};
inline constexpr Text kRestoreQuestion{
    "Write the backup of %1 to the radio exactly as it is? What the radio holds now is replaced.",
    "将 %1 的备份原样写入对讲机吗？对讲机现有的数据将被替换。"};
inline constexpr Text kDeleteTitle{"Attention", "注意"};
inline constexpr Text kDeleteQuestion{"Delete the backup of %1?", "删除 %1 的备份吗？"};
inline constexpr Text kDeleteFailed{"The backup could not be deleted: ", "无法删除备份："};

// Verify after write. %1 the differing addresses (the first ten), %2 how many blocks differ, %3 how many
// were compared.
inline constexpr Text kVerifyTitle{"Mistake", "错误"};
inline constexpr Text kVerifyDiffers{
    "Verify after write: the radio does not hold what was written. %2 of the %3 blocks written differ, at "
    "the addresses %1. Write the radio again.",
    "写后校验：对讲机中的数据与写入的不一致。写入的 %3 个数据块中有 %2 个不同，地址：%1。请重新写频。"};
inline constexpr Text kVerifyUnread{
    "Verify after write: the radio could not be read back, so the write is not confirmed. Write the radio "
    "again.",
    "写后校验：无法读回对讲机，写入未经确认。请重新写频。"};

// The comparison's columns; the values' columns are headed by the configurations' names.
inline constexpr Text kWhere{"Where", "位置"};
inline constexpr Text kField{"Field", "项目"};
inline constexpr Text kCurrent{"This configuration", "当前配置"};
inline constexpr Text kSame{"No differences: both configurations are the same.", "没有差异：两个配置相同。"};
// %1 is the number of differing fields.
inline constexpr Text kDifferences{"%1 differences", "%1 处不同"};

}  // namespace backup_text

}  // namespace zrt
