#include "i18n/dtmf_captions.h"

#include <array>
#include <string>
#include <vector>

#include "config/dtmf.h"

namespace zrt {

namespace {

using P = CaptionProp;

constexpr Text kAutodialLabels[8] = {
    {"First Autodial Memory", "第一组自动拔号存储器"},   {"Second Autodial Memory", "第二组自动拔号存储器"},
    {"Third Autodial Memory", "第三组自动拔号存储器"},   {"Fourth Autodial Memory", "第四组自动拔号存储器"},
    {"Fifth Autodial Memory", "第五组自动拔号存储器"},   {"Sixth Autodial Memory", "第六组自动拔号存储器"},
    {"Seventh Autodial Memory", "第七组自动拔号存储器"}, {"Eight Autodial Memory", "第八组自动拔号存储器"},
};

// The labels' colons are full-width (U+FF1A) in both languages.
constexpr Caption kFixed[] = {
    // The title is the same in both languages.
    {"", P::WindowTitle, 0, {"DTMF(双音多频)", "DTMF(双音多频)"}},
    {"Option1", P::Text, 0, {"Auto-dialing Memory", "自动拔号存储器"}},
    {"Option2", P::Text, 0, {"Other Features", "其它功能"}},
    {"Label2", P::Text, 0, {"ANI Start Code：", "ANI开始码："}},
    {"Label4", P::Text, 0, {"ANI End Code：", "ANI结束码："}},
    {"Label3", P::Text, 0, {"Own Code：", "自身码："}},
    {"Label32", P::Text, 0, {"ANI：", "ANI："}},
    {"Combo1", P::Item, 0, {"Start Send", "发射开始"}},
    {"Combo1", P::Item, 1, {"End Send", "发射结束"}},
    {"Combo1", P::Item, 2, {"Both", "两者"}},
    {"Label16", P::Text, 0, {"DTMF Rate：", "DTMF速率："}},
    {"Combo16", P::Item, 0, {"Fast", "快"}},
    {"Combo16", P::Item, 1, {"Slow", "慢"}},
    {"Label17", P::Text, 0, {"First Digital Delay：", "首位数码延迟："}},
    {"Label18", P::Text, 0, {"Group Call Code：", "群呼码："}},
    {"Combo18", P::Item, 0, {"Empty", "空"}},
    // The radio's memory has no place for these fields: said where the user types them.
    {"LabelNotStored",
     P::Text,
     0,
     {"These settings are not written to the radio and not saved in data files.",
      "这些设置不会写入对讲机，也不会保存到数据文件中。"}},
};

struct Computed {
    std::array<std::string, 8> autodialNames;
    std::array<std::string, kDtmfDelayCount> delayEn;
    std::array<std::string, kDtmfDelayCount> delayZh;
};

Computed makeComputed() {
    Computed c;
    for (std::size_t i = 0; i < c.autodialNames.size(); ++i)
        c.autodialNames[i] = "Label1_" + std::to_string(i);
    for (int k = 0; k < kDtmfDelayCount; ++k) {
        const std::string ms = std::to_string(k * kDtmfDelayStepMs);
        c.delayEn[static_cast<std::size_t>(k)] = ms + "MS";
        c.delayZh[static_cast<std::size_t>(k)] = ms + "毫秒";
    }
    return c;
}

}  // namespace

std::span<const Caption> dtmfCaptions() {
    // Names and computed texts must outlive the table's string views.
    static const Computed computed = makeComputed();
    static const std::vector<Caption> table = [] {
        std::vector<Caption> t(std::begin(kFixed), std::end(kFixed));
        for (std::size_t i = 0; i < computed.autodialNames.size(); ++i)
            t.push_back({computed.autodialNames[i], P::Text, 0, kAutodialLabels[i]});
        for (int k = 0; k < kDtmfDelayCount; ++k) {
            const auto s = static_cast<std::size_t>(k);
            t.push_back({"Combo17", P::Item, k, {computed.delayEn[s], computed.delayZh[s]}});
        }
        return t;
    }();
    return table;
}

}  // namespace zrt
