#include "session/session.h"

#include "transfer/image_transfer.h"

namespace zrt {

Session::Session() : config(startConfiguration()) {}

void Session::decode() { decodeImage(imageIn, config); }

void Session::encode() { encodeImage(config, imageOut); }

bool Session::chooseBand(int index, const std::function<bool()>& confirm) {
    config.band.listIndex = index;
    setBand(config, index);
    bool cleared = false;
    if (index != config.band.current && confirm && confirm()) {
        setBand(config, index);
        config.channels.clearGrid();
        cleared = true;
    }
    config.band.current = index;
    return cleared;
}

void Session::newConfiguration() {
    config.channels.clearGrid();
    dtmfStartForm(config.dtmf);
    featuresStartForm(config.features);
}

}  // namespace zrt
