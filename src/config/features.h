// The values of the optional-features window (list fields as 0-based positions, text fields as texts) and
// the tables that describe its fields: captions, items, item counts, defaults and which fields stay hidden.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "config/text.h"
#include "config/typing_rule.h"

namespace zrt {

// Every list field of the optional-features window; the comment names the window's control.
enum class FeatureList : int {
    // Page 1, function settings
    ADisplayMode,          // Combo1
    BDisplayMode,          // Combo17
    Beep,                  // Combo7
    KeyLock,               // Combo9
    ScanMode,              // ComboMod
    KeyLockMode,           // Combo18
    PowerOnPassword,       // Combo2
    FmSearchMode,          // Combo13
    FmDualWatch,           // Combo6
    TailNoiseElimination,  // Combo20
    AutoPowerOff,          // Combo35
    PowerOnMode,           // Combo32
    ASelfRegardChannel,    // Combo11
    BSelfRegardChannel,    // Combo40
    TdrMode,               // Combo10
    ReturnChannel,         // Combo39
    AStep,                 // Combo3
    BStep,                 // Combo37
    ASquelch,              // Combo5
    BSquelch,              // Combo36
    BatterySave,           // Combo8
    TimeOutTimer,          // Combo19
    Roger,                 // Combo16
    MainChannel,           // Combo33
    LampMode,              // Combo21
    MemoryDisplayMode,     // Combo34
    StandbyMode,           // Combo38
    // VOX frame
    VoxSwitch,  // Combo31
    VoxGain,    // Combo14
    VoxDelay,   // Combo15
    // VFO A, then VFO B
    VfoADecodeTone,       // Combo22
    VfoAEncodeTone,       // Combo23
    VfoAPower,            // Combo24
    VfoAOffsetDirection,  // Combo30
    VfoABandwidth,        // Combo27
    VfoABusyLock,         // Combo25
    VfoAAddScan,          // Combo26
    VfoATxStop,           // Combo28
    VfoAScramble,         // Combo12
    VfoACompanding,       // Combo29
    VfoACallTone,         // Combo4
    VfoBDecodeTone,       // Combo46
    VfoBEncodeTone,       // Combo47
    VfoBPower,            // Combo48
    VfoBOffsetDirection,  // Combo49
    VfoBBandwidth,        // Combo50
    VfoBBusyLock,         // Combo51
    VfoBAddScan,          // Combo52
    VfoBTxStop,           // Combo53
    Count
};
inline constexpr int kFeatureListCount = static_cast<int>(FeatureList::Count);

struct Features {
    std::array<int, kFeatureListCount> list{};
    std::string aChannelNumber;        // Text6
    std::string bChannelNumber;        // Text2
    std::string displayCharacters;     // Text31: shown at power-on
    std::string password;              // Text1: the power-on password
    std::string vfoAFrequency;         // Text20
    std::string vfoAOffset;            // Text21
    std::string vfoBFrequency;         // Text3
    std::string vfoBOffset;            // Text4
    bool allowCancel = false;          // Check12: "Allow to Cancel Operating"
    bool voxOffWhileReceiving = true;  // Check13: "Prohibit VOX in the receiving"

    int& operator[](FeatureList f) { return list[static_cast<int>(f)]; }
    int operator[](FeatureList f) const { return list[static_cast<int>(f)]; }
    bool operator==(const Features&) const = default;
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
enum class FeatureText : int {
    AChannelNumber,     // Text6
    BChannelNumber,     // Text2
    DisplayCharacters,  // Text31
    Password,           // Text1
    VfoAFrequency,      // Text20
    VfoAOffset,         // Text21
    VfoBFrequency,      // Text3
    VfoBOffset,         // Text4
    Count
};
inline constexpr int kFeatureTextCount = static_cast<int>(FeatureText::Count);

struct FeatureTextInfo {
    FeatureText id;
    std::string_view control;
    std::string_view label;
    Text caption;
    std::string Features::*value;
    KeyRule key;            // which keys the box admits (config/feature_rules.h)
    std::size_t maxLength;  // what the user may type; 0 for no limit
};

std::span<const FeatureTextInfo> featureTexts();

// Where a field belongs: the function settings or one of the two VFO records. Written once here; the window,
// the document's change parts and the captioned description follow it.
enum class FeatureGroup { Functions, VfoA, VfoB };
FeatureGroup featureGroupOf(FeatureList f);
FeatureGroup featureGroupOf(FeatureText f);
const FeatureTextInfo& featureTextInfo(FeatureText f);

// A field of the window: a list (FeatureList) or a text field (FeatureText).
struct FeatureField {
    bool isText = false;
    int id = 0;
    bool operator==(const FeatureField&) const = default;
};
// The fields of a group, hidden ones included, in the order the window and every description show them: a
// VFO's text fields first (the window has them on top), then its lists; the function settings' lists, then
// their text fields. The window lays the function settings out in columns of its own.
std::vector<FeatureField> featureFieldsOf(FeatureGroup group);

}  // namespace zrt
