// Captions of the optional-features window (Form3): the window's title, tabs, frames and check boxes, and
// every translated field caption and list item of the optional-features tables.
#pragma once

#include <span>

#include "config/features.h"
#include "i18n/captions.h"

namespace zrt {

inline constexpr Text kFeaturesWindowTitle{"Optional Features", "可选功能"};

// The title a group of fields has wherever the configuration is described: the function settings go by the
// window's title, each VFO by its frame's (Frame3, Frame5).
constexpr Text featureGroupTitle(FeatureGroup group) {
    switch (group) {
        case FeatureGroup::VfoA:
            return {"A Group VFO", "A组全频频率"};
        case FeatureGroup::VfoB:
            return {"B Group VFO", "B组全频频率"};
        case FeatureGroup::Functions:
            break;
    }
    return kFeaturesWindowTitle;
}

std::span<const Caption> featuresCaptions();

}  // namespace zrt
