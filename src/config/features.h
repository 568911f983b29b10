// The values of the optional-features window (list fields as 0-based positions, text fields as texts) and
// the tables that describe its fields: captions, items, item counts, defaults and which fields stay hidden.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "config/text.h"

namespace zrt {

// Every list field of the optional-features window, by the program's own control names.
enum class FeatureList : int {
    // Page 1, function settings
    Combo1,
    Combo17,
    Combo7,
    Combo9,
    ComboMod,
    Combo18,
    Combo2,
    Combo13,
    Combo6,
    Combo20,
    Combo35,
    Combo32,
    Combo11,
    Combo40,
    Combo10,
    Combo39,
    Combo3,
    Combo37,
    Combo5,
    Combo36,
    Combo8,
    Combo19,
    Combo16,
    Combo33,
    Combo21,
    Combo34,
    Combo38,
    // VOX frame
    Combo31,
    Combo14,
    Combo15,
    // VFO A, then VFO B
    Combo22,
    Combo23,
    Combo24,
    Combo30,
    Combo27,
    Combo25,
    Combo26,
    Combo28,
    Combo12,
    Combo29,
    Combo4,
    Combo46,
    Combo47,
    Combo48,
    Combo49,
    Combo50,
    Combo51,
    Combo52,
    Combo53,
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

// One list field of the window.
struct FeatureListInfo {
    FeatureList id;
    std::string_view control;  // object name of the list ("Combo1")
    std::string_view label;    // object name of its caption label ("Label1")
    Text caption;              // the same text in both languages when the caption is never translated
    // Item texts by position. A tone list holds only its Off item here; its other items come from the tone
    // list. An item whose two texts are equal is language-neutral.
    std::span<const Text> items;
    int count;            // number of items the list offers
    int defaultPosition;  // what StartForm selects
    bool hidden;          // exists, keeps and transfers its value, but is never shown
};

// The list fields in the order of FeatureList (the window's screen order).
std::span<const FeatureListInfo> featureLists();
const FeatureListInfo& featureListInfo(FeatureList f);
// Item text of a list at a position for a language; "" for a position the list does not have.
std::string featureItemText(FeatureList f, int position, int languageIndex);

// The text fields of the window.
enum class FeatureText : int { Text6, Text2, Text31, Text1, Text20, Text21, Text3, Text4, Count };
inline constexpr int kFeatureTextCount = static_cast<int>(FeatureText::Count);

// Which keys a text box admits.
enum class KeyFilter {
    Digits,        // "0".."9"
    Frequency,     // "0".."9" and "."
    DisplayChars,  // "0".."9", "A".."Z" (lower case is raised), "*", "#", "-"
};

struct FeatureTextInfo {
    FeatureText id;
    std::string_view control;
    std::string_view label;
    Text caption;
    std::string Features::*value;
    KeyFilter filter;
    std::size_t maxLength;  // what the user may type; 0 for no limit
};

std::span<const FeatureTextInfo> featureTexts();
const FeatureTextInfo& featureTextInfo(FeatureText f);

}  // namespace zrt
