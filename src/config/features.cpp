#include "config/features.h"

#include "config/configuration.h"
#include "config/feature_rules.h"
#include "image/tone_list.h"

namespace zrt {

namespace {

using FL = FeatureList;

// Item lists, shared by the fields that show the same words.
constexpr Text kDisplayMode[] = {{"Frequency", "频率"}, {"Fre And Channel", "频率与频道"}};
constexpr Text kOffOn[] = {{"Off", "关"}, {"On", "开"}};
constexpr Text kOnOff[] = {{"On", "开"}, {"Off", "关"}};
constexpr Text kOnOffLong[] = {{"On", "开启"}, {"Off", "关闭"}};
constexpr Text kOffOnLong[] = {{"Off", "关闭"}, {"On", "打开"}};
constexpr Text kEnableDisable[] = {{"On", "使能"}, {"Off", "禁止"}};
constexpr Text kDisableEnable[] = {{"Off", "禁止"}, {"On", "使能"}};
constexpr Text kScanMode[] = {{"Carry", "载波"}, {"Time", "时间"}};
constexpr Text kKeyLockMode[] = {{"K+S", "K+S"}, {"PTT", "PTT"}, {"KEY", "KEY"}, {"ALL", "ALL"}};
constexpr Text kFmSearch[] = {{"Manual", "手动"}, {"Auto", "自动"}};
constexpr Text kApo[] = {
    {"Off", "关"},          {"1 Hour", "1 小时"},   {"2 Hour", "2 小时"},   {"3 Hour", "3 小时"},
    {"4 Hour", "4 小时"},   {"5 Hour", "5 小时"},   {"6 Hour", "6 小时"},   {"7 Hour", "7 小时"},
    {"8 Hour", "8 小时"},   {"9 Hour", "9 小时"},   {"10 Hour", "10 小时"}, {"11 Hour", "11 小时"},
    {"12 Hour", "12 小时"}, {"13 Hour", "13 小时"}, {"14 Hour", "14 小时"}, {"15 Hour", "15 小时"},
};
constexpr Text kPowerOnMode[] = {{"OFF", "关闭"}, {"DC", "电池电压"}, {"MSG", "字符"}};
constexpr Text kReturnChannel[] = {{"Selected Channel", "选定频道"},
                                   {"Current Call Channel", "当前通话频道"}};
constexpr Text kStep[] = {{"5K", "5K"},   {"6.25K", "6.25K"}, {"10K", "10K"}, {"12.5K", "12.5K"},
                          {"25K", "25K"}, {"37.5K", "37.5K"}, {"50K", "50K"}, {"100K", "100K"}};
constexpr Text kSquelch[] = {{"0", "0"}, {"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"},
                             {"5", "5"}, {"6", "6"}, {"7", "7"}, {"8", "8"}, {"9", "9"}};
constexpr Text kTimeOut[] = {
    {"Off", "关闭"},        {"1 Minute", "1 分钟"}, {"2 Minute", "2 分钟"}, {"3 Minute", "3 分钟"},
    {"4 Minute", "4 分钟"}, {"5 Minute", "5 分钟"}, {"6 Minute", "6 分钟"}, {"7 Minute", "7 分钟"},
};
constexpr Text kMainChannel[] = {{"Group B", "B组"}, {"Group A", "A组"}};  // B first, as the radio counts
constexpr Text kLampMode[] = {{"OFF", "OFF"}, {"KEY", "KEY"}, {"CONT", "CONT"}};
constexpr Text kStandby[] = {{"Single Show", "单显"}, {"Double Show", "双显"}};
constexpr Text kVoxGain[] = {{"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"},
                             {"5", "5"}, {"6", "6"}, {"7", "7"}, {"8", "8"}};
constexpr Text kVoxDelay[] = {{"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}};
constexpr Text kToneOff[] = {{"Off", "关闭"}};
constexpr Text kPower[] = {{"Low", "低"}, {"High", "高"}};
constexpr Text kOffsetDirection[] = {{"Plus", "+异频"}, {"Minus", "-异频"}, {"Off", "无异频"}};
constexpr Text kBandWidth[] = {{"Narrow", "窄带"}, {"Wide", "宽带"}};
constexpr Text kBusyLock[] = {{"Carry", "载波"}, {"Off", "关"}};
constexpr Text kCallTone[] = {{"关闭", "关闭"},   {"TONE1", "TONE1"}, {"TONE2", "TONE2"},
                              {"TONE3", "TONE3"}, {"TONE4", "TONE4"}, {"TONE5", "TONE5"}};

constexpr int n(std::span<const Text> items) {
    return static_cast<int>(items.size());
}

// Captions shared by the two VFO blocks.
constexpr Text kFrequency{"Frequency:", "全频频率:"};
constexpr Text kOffsetData{"Offset Data:", "异频数:"};
constexpr Text kDecodeTone{"QT/DQT Dec:", "接收亚音频:"};
constexpr Text kEncodeTone{"QT/DQT Enc:", "发射亚音频:"};
constexpr Text kPowerCaption{"Power:", "功率:"};
constexpr Text kOffsetCaption{"Off Set Frequency:", "异频:"};
constexpr Text kBandCaption{"Band:", "宽/窄带:"};
constexpr Text kBusyCaption{"BusyChannel Lock:", "繁忙信道锁定:"};
constexpr Text kAddScanCaption{"Add Scan:", "扫描添加:"};
constexpr Text kTxStopCaption{"TX Stop:", "发射禁止:"};

// The call-tone label was never translated: it shows its Chinese caption in both languages.
constexpr Text kCallToneCaption{"呼叫提示音:", "呼叫提示音:"};

constexpr FeatureListInfo kLists[] = {
    {FL::ADisplayMode,
     "Combo1",
     "Label1",
     {"A Display Mode:", "A组显式模式:"},
     kDisplayMode,
     n(kDisplayMode),
     1,
     false},
    {FL::BDisplayMode,
     "Combo17",
     "Label2",
     {"B Display Mode:", "B组显式模式:"},
     kDisplayMode,
     n(kDisplayMode),
     1,
     false},
    {FL::Beep, "Combo7", "Label3", {"Beep:", "提示音:"}, kOffOn, n(kOffOn), 1, false},
    {FL::KeyLock, "Combo9", "Label4", {"Key Lock:", "键盘锁:"}, kOnOffLong, n(kOnOffLong), 1, false},
    {FL::ScanMode, "ComboMod", "Label5", {"Scan Mode:", "扫描模式:"}, kScanMode, n(kScanMode), 1, false},
    {FL::KeyLockMode,
     "Combo18",
     "Label6",
     {"KeyLock Mode:", "锁键模式:"},
     kKeyLockMode,
     n(kKeyLockMode),
     2,
     false},
    {FL::PowerOnPassword,
     "Combo2",
     "Label7",
     {"Power On Password:", "开机密码设定:"},
     kOnOff,
     n(kOnOff),
     1,
     false},
    {FL::FmSearchMode,
     "Combo13",
     "Label8",
     {"FM Radio Search Mode:", "收音机搜台模式:"},
     kFmSearch,
     n(kFmSearch),
     1,
     false},
    {FL::FmDualWatch,
     "Combo6",
     "Label9",
     {"FM Dual Watch:", "收音机监听信号:"},
     kOffOnLong,
     n(kOffOnLong),
     1,
     false},
    {FL::TailNoiseElimination,
     "Combo20",
     "Label10",
     {"Eliminate End-Noice:", "尾音消除:"},
     kOffOn,
     n(kOffOn),
     1,
     false},
    {FL::AutoPowerOff, "Combo35", "Label11", {"APO:", "自动关机:"}, kApo, n(kApo), 0, false},
    {FL::PowerOnMode,
     "Combo32",
     "Label12",
     {"Power on Mode:", "开机信息显示方式:"},
     kPowerOnMode,
     n(kPowerOnMode),
     1,
     false},
    {FL::ASelfRegardChannel,
     "Combo11",
     "Label13",
     {"A Self-Regard Channel:", "A频段自命名频道名称:"},
     kEnableDisable,
     n(kEnableDisable),
     0,
     false},
    {FL::BSelfRegardChannel,
     "Combo40",
     "Label14",
     {"B Self-Regard Channel:", "B频段自命名频道名称:"},
     kEnableDisable,
     n(kEnableDisable),
     0,
     false},
    {FL::TdrMode, "Combo10", "Label15", {"TDR Mode:", "双频待机:"}, kOffOn, n(kOffOn), 0, false},
    {FL::ReturnChannel,
     "Combo39",
     "Label16",
     {"Return Channel:", "双频待机回复频道:"},
     kReturnChannel,
     n(kReturnChannel),
     0,
     false},
    {FL::AStep, "Combo3", "Label19", {"A Step Frequency:", "A组步进频率:"}, kStep, n(kStep), 4, false},
    {FL::BStep, "Combo37", "Label20", {"B Step Frequency:", "B组步进频率:"}, kStep, n(kStep), 4, false},
    {FL::ASquelch,
     "Combo5",
     "Label21",
     {"A Squelch Level:", "A组静噪等级:"},
     kSquelch,
     n(kSquelch),
     4,
     false},
    {FL::BSquelch,
     "Combo36",
     "Label22",
     {"B Squelch Level:", "B组静噪等级:"},
     kSquelch,
     n(kSquelch),
     4,
     false},
    {FL::BatterySave, "Combo8", "Label23", {"Battery Save:", "省电:"}, kOffOn, n(kOffOn), 1, false},
    {FL::TimeOutTimer,
     "Combo19",
     "Label24",
     {"Time-out Timer:", "发射超时:"},
     kTimeOut,
     n(kTimeOut),
     1,
     false},
    {FL::Roger, "Combo16", "Label25", {"ROGER:", "通话结束提示音:"}, kOnOff, n(kOnOff), 1, false},
    {FL::MainChannel,
     "Combo33",
     "Label26",
     {"Main Channel:", "主频道:"},
     kMainChannel,
     n(kMainChannel),
     1,
     false},
    {FL::LampMode, "Combo21", "Label27", {"Lamp Mode:", "背光灯方式:"}, kLampMode, n(kLampMode), 1, false},
    {FL::MemoryDisplayMode,
     "Combo34",
     "Label28",
     {"Memory display Mode:", "记忆频道显示模式:"},
     kOnOffLong,
     n(kOnOffLong),
     1,
     false},
    {FL::StandbyMode, "Combo38", "Label29", {"Standby Mode:", "守候模式:"}, kStandby, n(kStandby), 1, false},
    // VOX frame
    {FL::VoxSwitch, "Combo31", "Label32", {"VOX Swith:", "VOX 开关:"}, kOffOn, n(kOffOn), 0, false},
    {FL::VoxGain, "Combo14", "Label33", {"VOX Gain Level:", "VOX增益电平:"}, kVoxGain, n(kVoxGain), 3, false},
    {FL::VoxDelay,
     "Combo15",
     "Label34",
     {"VOX Delay Time(s):", "VOX延迟时间(秒):"},
     kVoxDelay,
     n(kVoxDelay),
     0,
     false},
    // VFO A
    {FL::VfoADecodeTone, "Combo22", "Label37", kDecodeTone, kToneOff, kToneListSize, 0, false},
    {FL::VfoAEncodeTone, "Combo23", "Label38", kEncodeTone, kToneOff, kToneListSize, 0, false},
    {FL::VfoAPower, "Combo24", "Label39", kPowerCaption, kPower, n(kPower), 1, false},
    {FL::VfoAOffsetDirection, "Combo30", "Label40", kOffsetCaption, kOffsetDirection, n(kOffsetDirection), 2,
     false},
    {FL::VfoABandwidth, "Combo27", "Label41", kBandCaption, kBandWidth, n(kBandWidth), 1, false},
    {FL::VfoABusyLock, "Combo25", "Label42", kBusyCaption, kBusyLock, n(kBusyLock), 1, false},
    {FL::VfoAAddScan, "Combo26", "Label43", kAddScanCaption, kDisableEnable, n(kDisableEnable), 1, true},
    {FL::VfoATxStop, "Combo28", "Label44", kTxStopCaption, kOnOff, n(kOnOff), 1, true},
    {FL::VfoAScramble,
     "Combo12",
     "Label45",
     {"Scramble:", "扰频:"},
     kEnableDisable,
     n(kEnableDisable),
     1,
     false},
    {FL::VfoACompanding,
     "Combo29",
     "Label46",
     {"Companding:", "压扩:"},
     kDisableEnable,
     n(kDisableEnable),
     1,
     true},
    {FL::VfoACallTone, "Combo4", "Label47", kCallToneCaption, kCallTone, n(kCallTone), 4, true},
    // VFO B
    {FL::VfoBDecodeTone, "Combo46", "Label50", kDecodeTone, kToneOff, kToneListSize, 0, false},
    {FL::VfoBEncodeTone, "Combo47", "Label51", kEncodeTone, kToneOff, kToneListSize, 0, false},
    {FL::VfoBPower, "Combo48", "Label52", kPowerCaption, kPower, n(kPower), 1, false},
    {FL::VfoBOffsetDirection, "Combo49", "Label53", kOffsetCaption, kOffsetDirection, n(kOffsetDirection), 2,
     false},
    {FL::VfoBBandwidth, "Combo50", "Label54", kBandCaption, kBandWidth, n(kBandWidth), 1, false},
    {FL::VfoBBusyLock, "Combo51", "Label55", kBusyCaption, kBusyLock, n(kBusyLock), 1, false},
    {FL::VfoBAddScan, "Combo52", "Label56", kAddScanCaption, kDisableEnable, n(kDisableEnable), 1, true},
    {FL::VfoBTxStop, "Combo53", "Label57", kTxStopCaption, kOnOff, n(kOnOff), 1, true},
};
static_assert(std::size(kLists) == kFeatureListCount);

constexpr bool listsInEnumOrder() {
    for (int i = 0; i < kFeatureListCount; ++i)
        if (static_cast<int>(kLists[i].id) != i) return false;
    return true;
}
static_assert(listsInEnumOrder(), "featureListInfo indexes the table by the enum");

using FT = FeatureText;
constexpr FeatureTextInfo kTexts[] = {
    {FT::AChannelNumber,
     "Text6",
     "Label17",
     {"A Channel Number:", "A组当前频道数:"},
     &Features::aChannelNumber,
     digitKey,
     0},
    {FT::BChannelNumber,
     "Text2",
     "Label18",
     {"B Channel Number:", "B组当前频道数:"},
     &Features::bChannelNumber,
     digitKey,
     0},
    {FT::DisplayCharacters,
     "Text31",
     "Label30",
     {"Display Character:", "开机显示字符:"},
     &Features::displayCharacters,
     displayCharKey,
     6},
    {FT::Password, "Text1", "Label31", {"Password:", "4位开机密码:"}, &Features::password, digitKey, 4},
    {FT::VfoAFrequency, "Text20", "Label35", kFrequency, &Features::vfoAFrequency, frequencyKey, 9},
    {FT::VfoAOffset, "Text21", "Label36", kOffsetData, &Features::vfoAOffset, frequencyKey, 8},
    {FT::VfoBFrequency, "Text3", "Label48", kFrequency, &Features::vfoBFrequency, frequencyKey, 9},
    {FT::VfoBOffset, "Text4", "Label49", kOffsetData, &Features::vfoBOffset, frequencyKey, 8},
};
static_assert(std::size(kTexts) == kFeatureTextCount);

constexpr bool textsInEnumOrder() {
    for (int i = 0; i < kFeatureTextCount; ++i)
        if (static_cast<int>(kTexts[i].id) != i) return false;
    return true;
}
static_assert(textsInEnumOrder(), "featureTextInfo indexes the table by the enum");

// Controls and labels are found by name, so no two fields may share one; StartForm's position must exist.
constexpr bool namesUniqueAndDefaultsInRange() {
    std::string_view names[2 * (kFeatureListCount + kFeatureTextCount)]{};
    int n = 0;
    for (const FeatureListInfo& f : kLists) {
        if (f.count <= 0 || static_cast<int>(f.items.size()) > f.count) return false;
        if (f.defaultPosition < 0 || f.defaultPosition >= f.count) return false;
        names[n++] = f.control;
        names[n++] = f.label;
    }
    for (const FeatureTextInfo& t : kTexts) {
        names[n++] = t.control;
        names[n++] = t.label;
    }
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (names[i] == names[j]) return false;
    return true;
}
static_assert(namesUniqueAndDefaultsInRange());

}  // namespace

std::span<const FeatureListInfo> featureLists() {
    return kLists;
}

const FeatureListInfo& featureListInfo(FeatureList f) {
    return kLists[static_cast<int>(f)];
}

std::string featureItemText(FeatureList f, int position, int languageIndex) {
    if (f == FeatureList::Count) return {};
    const FeatureListInfo& info = featureListInfo(f);
    if (position < 0 || position >= info.count) return {};
    if (position < n(info.items)) return std::string(info.items[position].in(languageIndex));
    return toneListItem(position, languageIndex);
}

std::span<const FeatureTextInfo> featureTexts() {
    return kTexts;
}

const FeatureTextInfo& featureTextInfo(FeatureText f) {
    return kTexts[static_cast<int>(f)];
}

void featuresStartForm(Features& features) {
    for (const FeatureListInfo& info : kLists)
        features[info.id] = info.defaultPosition;
    features.aChannelNumber = "1";
    features.bChannelNumber = "1";
    features.vfoAOffset = "0.00000";
    features.vfoBOffset = "0.00000";
    features.displayCharacters.clear();
}

FeatureGroup featureGroupOf(FeatureList f) {
    const int i = static_cast<int>(f);
    if (i < static_cast<int>(FeatureList::VfoADecodeTone)) return FeatureGroup::Functions;
    if (i < static_cast<int>(FeatureList::VfoBDecodeTone)) return FeatureGroup::VfoA;
    return FeatureGroup::VfoB;
}

std::vector<FeatureField> featureFieldsOf(FeatureGroup group) {
    std::vector<FeatureField> lists, texts;
    for (int i = 0; i < kFeatureListCount; ++i)
        if (featureGroupOf(static_cast<FeatureList>(i)) == group) lists.push_back({false, i});
    for (int i = 0; i < kFeatureTextCount; ++i)
        if (featureGroupOf(static_cast<FeatureText>(i)) == group) texts.push_back({true, i});
    std::vector<FeatureField>& first = group == FeatureGroup::Functions ? lists : texts;
    std::vector<FeatureField>& second = group == FeatureGroup::Functions ? texts : lists;
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

FeatureGroup featureGroupOf(FeatureText f) {
    switch (f) {
        case FeatureText::VfoAFrequency:
        case FeatureText::VfoAOffset:
            return FeatureGroup::VfoA;
        case FeatureText::VfoBFrequency:
        case FeatureText::VfoBOffset:
            return FeatureGroup::VfoB;
        default:
            return FeatureGroup::Functions;
    }
}

}  // namespace zrt
