// The values of the optional-features window: list fields as 0-based positions, text fields as texts.
#pragma once

#include <array>
#include <string>

namespace zrt {

// Every list field of the optional-features window, by the program's own control names.
enum class FeatureList : int {
    // Page 1, function settings
    Combo1, Combo17, Combo7, Combo9, ComboMod, Combo18, Combo2, Combo13, Combo6, Combo20, Combo35, Combo32,
    Combo11, Combo40, Combo10, Combo39, Combo3, Combo37, Combo5, Combo36, Combo8, Combo19, Combo16, Combo33,
    Combo21, Combo34, Combo38,
    // VOX frame
    Combo31, Combo14, Combo15,
    // VFO A, then VFO B
    Combo22, Combo23, Combo24, Combo30, Combo27, Combo25, Combo26, Combo28, Combo12, Combo29, Combo4,
    Combo46, Combo47, Combo48, Combo49, Combo50, Combo51, Combo52, Combo53,
    Count
};
inline constexpr int kFeatureListCount = static_cast<int>(FeatureList::Count);

struct Features {
    std::array<int, kFeatureListCount> list{};
    std::string text6;   // A channel number
    std::string text2;   // B channel number
    std::string text31;  // power-on display characters
    std::string text1;   // power-on password
    std::string text20;  // A VFO frequency
    std::string text21;  // A VFO offset
    std::string text3;   // B VFO frequency
    std::string text4;   // B VFO offset
    bool check12 = false;
    bool check13 = true;

    int& operator[](FeatureList f) { return list[static_cast<int>(f)]; }
    int operator[](FeatureList f) const { return list[static_cast<int>(f)]; }
};

}  // namespace zrt
