// The front object: owns the configuration, both memory images and the band state. The main window and the
// command line drive it and never reach around it.
#pragma once

#include <functional>

#include "config/configuration.h"
#include "image/memory_image.h"

namespace zrt {

class Session {
public:
    Session();

    Configuration config;
    MemoryImage imageIn;   // what a read or an opened file delivered
    MemoryImage imageOut;  // what the last encode built

    void decode();  // DecodeImage
    void encode();  // EncodeImage

    // The band list's click: applies the band's limits and VFO defaults, and when the position differs from
    // CurrentBand asks confirm(); on consent applies the band again and empties both channel tables.
    // CurrentBand becomes the position either way. Returns true when the tables were cleared.
    bool chooseBand(int index, const std::function<bool()>& confirm);

    // New after its question was answered OK: the channel, DTMF and optional-features resets.
    void newConfiguration();
};

}  // namespace zrt
