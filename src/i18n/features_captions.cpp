#include "i18n/features_captions.h"

#include <vector>

#include "config/features.h"

namespace zrt {

namespace {

constexpr Caption kWindow[] = {
    {"", CaptionProp::WindowTitle, 0, kFeaturesWindowTitle},
    {"TabStrip1", CaptionProp::Tab, 0, {"FunctionSet", "功能设置"}},
    {"TabStrip1", CaptionProp::Tab, 1, {"VFO Set", "全频模式设置"}},
    {"Frame2", CaptionProp::Title, 0, {"Function Set", "功能设置"}},
    {"Frame3", CaptionProp::Title, 0, featureGroupTitle(FeatureGroup::VfoA)},
    {"Frame5", CaptionProp::Title, 0, featureGroupTitle(FeatureGroup::VfoB)},
    {"Frame1", CaptionProp::Title, 0, {"VOX", "VOX(声控发射)"}},
    {"Check12", CaptionProp::Text, 0, {"Allow to Cancel Operating", "允许取消操作"}},
    {"Check13", CaptionProp::Text, 0, {"Prohibit VOX in the receiving", "接收时禁止VOX"}},
};

bool translated(const Text& t) {
    return t.en != t.zh;
}

// Texts that are the same in both languages are not written: they keep what the window gave them.
std::vector<Caption> build() {
    std::vector<Caption> table(std::begin(kWindow), std::end(kWindow));
    for (const FeatureListInfo& f : featureLists()) {
        if (translated(f.caption)) table.push_back({f.label, CaptionProp::Text, 0, f.caption});
        for (int k = 0; k < static_cast<int>(f.items.size()); ++k)
            if (translated(f.items[k])) table.push_back({f.control, CaptionProp::Item, k, f.items[k]});
    }
    for (const FeatureTextInfo& t : featureTexts())
        if (translated(t.caption)) table.push_back({t.label, CaptionProp::Text, 0, t.caption});
    return table;
}

}  // namespace

std::span<const Caption> featuresCaptions() {
    static const std::vector<Caption> table = build();
    return table;
}

}  // namespace zrt
