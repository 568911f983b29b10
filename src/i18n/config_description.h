// The configuration in the windows' own words: every field a window shows, as a caption and a value text in
// one language, grouped and ordered as the windows group them. `show`, printing and the PDF render it; each
// output chooses its layout, and none of them looks a caption up by a control's name. Qt-free.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zrt {

struct Configuration;

struct CaptionedValue {
    std::string caption;
    // UTF-8. The radio's byte texts (names, display characters, password) are their bytes as they are,
    // control characters included: each output decides how to show those.
    std::string value;
};

struct CaptionedGroup {
    std::string title;
    std::vector<CaptionedValue> fields;
};

// A table as a window shows it: a header and rows of the header's width.
struct CaptionedTable {
    std::string title;
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

struct ConfigDescription {
    CaptionedValue band;  // the band label and the band list's entry

    // The set channels of group A, then of group B, with the channel table's columns (the hidden column left
    // out); column 0 is the row label ("A1"), nameColumn the channel name.
    CaptionedTable channels;
    std::vector<int> channelNumbers;  // channel number (1..128) of each row
    std::array<std::string, 2> groupTitles;
    int nameColumn = 0;

    std::vector<CaptionedGroup>
        features;                // the function settings, the A VFO, the B VFO (hidden fields left out)
    CaptionedGroup fm;           // start channel, display mode, VFO frequency
    CaptionedTable fmChannels;   // all 25 presets, "" where not set; no title
    CaptionedTable calibration;  // one row per group and power grade; header cell 0 is ""
};

ConfigDescription describeConfiguration(const Configuration& config, int languageIndex);

// A value for a terminal or for paper: the control characters a radio's text may hold (C0, DEL, C1) as '?'.
std::string printableText(std::string_view utf8);

}  // namespace zrt
