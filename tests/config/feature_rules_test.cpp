// What the optional-features boxes accept as keys and what their checks make of a text.
#include "config/feature_rules.h"

#include <gtest/gtest.h>

namespace zrt {
namespace {

constexpr std::optional<char> kDiscarded = std::nullopt;

TEST(FeatureKeyFilter, Keys) {
    struct Case {
        KeyFilter filter;
        char32_t key;
        std::size_t maxLength, length, selected;
        std::optional<char> result;
    };
    const Case cases[] = {
        {KeyFilter::Digits, '7', 4, 0, 0, '7'},
        {KeyFilter::Digits, '.', 4, 0, 0, kDiscarded},
        {KeyFilter::Digits, 'a', 0, 0, 0, kDiscarded},
        {KeyFilter::Digits, kKeyEnter, 0, 0, 0, kDiscarded},
        {KeyFilter::Digits, kKeyBackspace, 4, 4, 0, '\b'},
        {KeyFilter::Digits, '5', 4, 4, 0, kDiscarded},  // the password is full
        {KeyFilter::Digits, '5', 4, 4, 2, '5'},         // typing over a selection
        {KeyFilter::Digits, '5', 0, 40, 0, '5'},        // no limit
        {KeyFilter::Frequency, '.', 9, 3, 0, '.'},
        {KeyFilter::Frequency, '-', 9, 0, 0, kDiscarded},
        {KeyFilter::Frequency, '1', 9, 9, 0, kDiscarded},
        {KeyFilter::Frequency, '1', 8, 7, 0, '1'},
        {KeyFilter::Frequency, U'５', 9, 0, 0, kDiscarded},  // a full-width digit is no digit
        {KeyFilter::DisplayChars, 'a', 6, 0, 0, 'A'},
        {KeyFilter::DisplayChars, 'z', 6, 0, 0, 'Z'},
        {KeyFilter::DisplayChars, 'Q', 6, 0, 0, 'Q'},
        {KeyFilter::DisplayChars, '*', 6, 0, 0, '*'},
        {KeyFilter::DisplayChars, '#', 6, 0, 0, '#'},
        {KeyFilter::DisplayChars, '-', 6, 0, 0, '-'},
        {KeyFilter::DisplayChars, ' ', 6, 0, 0, kDiscarded},
        {KeyFilter::DisplayChars, '.', 6, 0, 0, kDiscarded},
        {KeyFilter::DisplayChars, U'é', 6, 0, 0, kDiscarded},
        {KeyFilter::DisplayChars, 'b', 6, 6, 0, kDiscarded},
    };
    for (const Case& c : cases)
        EXPECT_EQ(filterKey(c.filter, c.key, c.maxLength, c.length, c.selected), c.result)
            << "key " << static_cast<unsigned>(c.key) << " length " << c.length;
}

TEST(FeatureKeyFilter, TypingAbSpaceOneIntoTheDisplayCharactersGivesAB1) {
    std::string text;
    for (char32_t key : {U'a', U'b', U' ', U'1'})
        if (auto c = filterKey(KeyFilter::DisplayChars, key, 6, text.size(), 0)) text += *c;
    EXPECT_EQ(text, "AB1");
}

TEST(FeatureKeyFilter, PastedText) {
    struct Case {
        KeyFilter filter;
        std::size_t maxLength;
        std::string before, after;
        std::optional<std::string> result;
    };
    const Case cases[] = {
        {KeyFilter::DisplayChars, 6, "", "ab-1", "AB-1"},
        {KeyFilter::DisplayChars, 6, "", "ab 1", std::nullopt},
        {KeyFilter::DisplayChars, 6, "", "ABCDEFG", std::nullopt},
        {KeyFilter::Digits, 4, "12", "12345", std::nullopt},
        {KeyFilter::Frequency, 9, "", "145.125", "145.125"},
        // A longer text the program put there may be edited shorter, never longer.
        {KeyFilter::Digits, 4, "1234567", "123456", "123456"},
        {KeyFilter::Digits, 4, "1234567", "12345678", std::nullopt},
        // Characters the program put there stay editable; only what is inserted is filtered.
        {KeyFilter::Frequency, 9, "FFF.FFFFF", "FFF.FFFF", "FFF.FFFF"},
        {KeyFilter::Frequency, 9, "FFF.F", "FFF.FX", std::nullopt},
        {KeyFilter::DisplayChars, 6, "A\377B", "A\377xB", "A\377XB"},
        {KeyFilter::DisplayChars, 6, "ABAB", "ABaAB", "ABAAB"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(filterEdit(c.filter, c.maxLength, c.before, c.after), c.result)
            << c.before << " -> " << c.after;
}

TEST(FeatureChecks, VfoFrequencyAgainstTheBand) {
    const BandLimits band0{136, 174, 400, 470};
    const BandLimits band3{136, 174, 245, 250};
    const BandLimits band2{144, 148, 430, 440};
    struct Case {
        BandLimits limits;
        std::string text, result;
    };
    const Case cases[] = {
        {band0, "174", "136.00000"},  // upper limit excluded
        {band0, "173.9999", "173.99500"},
        {band0, "136", "136.00000"},        // lower limit included
        {band0, "145.00625", "145.00625"},  // on the 6.25 kHz raster
        {band0, "145.005", "145.00500"},    // on the 5 kHz raster
        {band0, "145.003", "145.00000"},    // a tie goes to 6.25 kHz
        {band0, "145.12345", "145.12000"},
        {band0, "469.019", "469.01875"},
        {band0, "470", "136.00000"},
        {band0, "", "136.00000"},
        {band0, "145.1.2", "145.10000"},     // the leading number counts
        {band0, "173.999996", "136.00000"},  // rounds onto the upper limit
        {band3, "247.5", "247.50000"},
        {band2, "150", "136.00000"},  // replaced even where 136 MHz is
                                      // outside the band
        {band2, "435", "435.00000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkVfoFrequency(c.text, c.limits), c.result) << c.text;
}

TEST(FeatureChecks, VfoOffset) {
    const std::pair<std::string, std::string> cases[] = {
        {"120", "99.99500"}, {"99.995", "99.99500"}, {"99.996", "99.99500"}, {"5", "5.00000"},
        {"0.6", "0.60000"},  {"", "0.00000"},        {"1.00300", "1.00000"}, {"12.34567", "12.34500"},
    };
    for (const auto& [text, result] : cases)
        EXPECT_EQ(checkVfoOffset(text), result) << text;
}

TEST(FeatureChecks, ChannelNumbers) {
    const std::pair<std::string, std::string> lostFocus[] = {
        {"", ""}, {"0", ""}, {"00", ""}, {"007", "7"}, {"64", "64"}, {"1", "1"}, {"12ab", "12"},
    };
    for (const auto& [text, result] : lostFocus)
        EXPECT_EQ(checkChannelNumber(text), result) << text;
    const std::pair<std::string, std::string> change[] = {
        {"7", "7"}, {"70", "64"}, {"64", "64"}, {"65", "64"}, {"100", "64"}, {"", ""}, {"0064", "0064"},
    };
    for (const auto& [text, result] : change)
        EXPECT_EQ(channelNumberChange(text), result) << text;
}

}  // namespace
}  // namespace zrt
