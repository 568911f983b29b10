// The editable configuration as a whole: everything the editor windows show and the transfers move.
#pragma once

#include "config/band.h"
#include "config/calibration.h"
#include "config/channel_store.h"
#include "config/dtmf.h"
#include "config/features.h"
#include "config/fm.h"
#include "config/service_gestures.h"
#include "config/text.h"

namespace zrt {

struct ServiceFlags {
    bool crossBandWrite = false;  // a write to a radio of another band may be forced
    bool calibWrite = false;      // a write also sends the calibration blocks
    bool featureUnlock = false;   // more feature fields and the FM command become usable
    std::array<GestureGroup, kServiceModes> gestures{};  // the click state of each mode's gesture
};

struct Configuration {
    int languageIndex = kEnglish;  // LanguageIndex
    BandState band;
    ChannelStore channels;
    Features features;
    FmStore fm;
    FmWorkingCopy fmWindow;
    Calibration calib;
    Dtmf dtmf;
    ServiceFlags service;
};

// SetBand: the limits and the three VFO fields of a band position; a position outside 0..3 changes nothing.
void setBand(Configuration& config, int index);

// Reset procedures run by New and by the windows' first load.
void featuresStartForm(Features& features);

// The configuration as the program has it right after start: every editor loaded with its defaults,
// band 0 applied.
Configuration startConfiguration();

}  // namespace zrt
