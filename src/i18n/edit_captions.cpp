#include "i18n/edit_captions.h"

#include <array>

#include "config/channel_csv.h"
#include "config/channel_table.h"

namespace zrt {

namespace {

using P = CaptionProp;

constexpr std::array kCommands{
    Caption{kCutName, P::Text, 0, {"Cut", "剪切"}},
    Caption{kCopyName, P::Text, 0, {"Copy", "复制"}},
    Caption{kPasteName, P::Text, 0, {"Paste", "粘贴"}},
    Caption{kDeleteName, P::Text, 0, {"Delete", "删除"}},
    Caption{kInsertName, P::Text, 0, {"Insert Channel", "插入信道"}},
    Caption{kMoveUpName, P::Text, 0, {"Move Up", "上移"}},
    Caption{kMoveDownName, P::Text, 0, {"Move Down", "下移"}},
    Caption{kFillName, P::Text, 0, {"Fill Frequencies…", "填充频率…"}},
    Caption{kSortName, P::Text, 0, {"Sort by Receive Frequency", "按接收频率排序"}},
};

constexpr std::array<Text, 11> kFieldNames{{
    {"receive frequency", "接收频率"},
    {"transmit frequency", "发射频率"},
    {"decode tone", "接收亚音频"},
    {"encode tone", "发射亚音频"},
    {"power", "功率"},
    {"busy channel lock", "繁忙信道锁定"},
    {"scan", "扫描添加"},
    {"bandwidth", "宽/窄带"},
    {"hidden flag", "隐藏标志"},
    {"scramble", "倒频"},
    {"name", "频道名称"},
}};

Text kindText(StepKind kind) {
    switch (kind) {
        case StepKind::SetField:
            return {"Set %1 %2", "设置 %1 %2"};
        case StepKind::Paste:
            return {"Paste %3 channels", "粘贴 %3 个信道"};
        case StepKind::Import:
            return {"Import", "导入"};
        case StepKind::Cut:
            return {"Cut %3 channels", "剪切 %3 个信道"};
        case StepKind::Delete:
            return {"Delete %3 channels", "删除 %3 个信道"};
        case StepKind::Insert:
            return {"Insert channel %1", "插入信道 %1"};
        case StepKind::MoveUp:
            return {"Move Up", "上移"};
        case StepKind::MoveDown:
            return {"Move Down", "下移"};
        case StepKind::BulkSet:
            return {"Set %2 of %3 channels", "设置 %3 个信道的%2"};
        case StepKind::Fill:
            return {"Fill Frequencies", "填充频率"};
        case StepKind::Sort:
            return {"Sort by Receive Frequency", "按接收频率排序"};
        case StepKind::New:
            return {"New", "新建"};
        case StepKind::Read:
            return {"Read", "读频"};
        case StepKind::Open:
            return {"Open", "打开"};
        case StepKind::BandChange:
            return {"Band Change", "更改频段"};
        case StepKind::Automatic:
            break;
    }
    return {"Edit", "编辑"};
}

Text partsText(std::uint16_t parts) {
    const auto only = [parts](std::initializer_list<Part> list) {
        std::uint16_t bits = 0;
        for (Part p : list)
            bits |= static_cast<std::uint16_t>(p);
        return parts != 0 && (parts & ~bits) == 0;
    };
    if (only({Part::Channels})) return {"Edit Channels", "编辑信道"};
    if (only({Part::Features, Part::Vfos})) return {"Edit Optional Features", "编辑可选功能"};
    if (only({Part::Fm})) return {"Edit FM", "编辑收音机"};
    if (only({Part::Calibration})) return {"Edit Calibration", "编辑校准"};
    if (only({Part::Dtmf})) return {"Edit DTMF", "编辑DTMF"};
    return {"Edit", "编辑"};
}

}  // namespace

std::span<const Caption> channelCommandCaptions() {
    return kCommands;
}

std::string stepText(const StepName& step, std::uint16_t parts, int languageIndex) {
    const Text text = step.kind == StepKind::Automatic ? partsText(parts) : kindText(step.kind);
    const int n = step.channel;
    const std::string label = n >= 1 && n <= kChannelCount ? rowLabel(groupOf(n), rowOf(n)) : std::string();
    return fillText(text.in(languageIndex),
                    {label, std::string(kFieldNames[static_cast<std::size_t>(step.field)].in(languageIndex)),
                     std::to_string(step.count)});
}

}  // namespace zrt
