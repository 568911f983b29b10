#include "i18n/backup_captions.h"

#include <array>

namespace zrt {

namespace {

using P = CaptionProp;

constexpr std::array kBackups{
    Caption{"", P::WindowTitle, 0, {"Backups", "备份"}},
    Caption{"LabelFolder",
            P::Text,
            0,
            {"Backups of every read, newest first:", "每次读频的备份（最新的在前）："}},
    Caption{"GridBackups", P::Header, 0, {"Date and Time", "日期和时间"}},
    Caption{"GridBackups", P::Header, 1, {"Band", "频段"}},
    Caption{"GridBackups", P::Header, 2, {"Channels", "信道数"}},
    Caption{"GridBackups", P::Header, 3, {"Channel Names", "信道名称"}},
    Caption{"CommandOpen", P::Text, 0, {"Open", "打开"}},
    Caption{"CommandRestore", P::Text, 0, {"Restore to Radio…", "恢复到对讲机…"}},
    Caption{"CommandCompare", P::Text, 0, {"Compare…", "比较…"}},
    Caption{"CommandFolder", P::Text, 0, {"Show in Folder", "打开所在文件夹"}},
    Caption{"CommandDelete", P::Text, 0, {"Delete…", "删除…"}},
    Caption{"CommandClose", P::Text, 0, {"Close", "关闭"}},
};

constexpr std::array kCompare{
    Caption{"", P::WindowTitle, 0, {"Compare with File", "与文件比较"}},
    Caption{"GridCompare", P::Header, 0, backup_text::kWhere},
    Caption{"GridCompare", P::Header, 1, backup_text::kField},
    Caption{"GridCompare", P::Header, 2, backup_text::kCurrent},
    Caption{"CommandClose", P::Text, 0, {"Close", "关闭"}},
};

}  // namespace

std::span<const Caption> backupsWindowCaptions() {
    return kBackups;
}

std::span<const Caption> compareWindowCaptions() {
    return kCompare;
}

}  // namespace zrt
