#include "session/session.h"

#include "mapping/image_transfer.h"

namespace zrt {

Session::Session() : document_(startConfiguration()) {
    document_.setHook(&journal_);
}

Session::Session(const Session& other)
    : imageIn_(other.imageIn_), imageOut_(other.imageOut_), document_(other.document_) {
    document_.setHook(&journal_);
}

Session& Session::operator=(const Session& other) {
    imageIn_ = other.imageIn_;
    imageOut_ = other.imageOut_;
    document_ = other.document_;
    return *this;
}

void Session::decode() {
    document_.edit(Change::everything().named({StepKind::Read}),
                   [this](Configuration& config) { decodeImage(imageIn_, config); });
}

void Session::decode(const MemoryImage& delivered) {
    imageIn_ = delivered;
    decode();
}

void Session::encode() {
    encodeImage(config(), imageOut_);
}

void Session::setImageOut(const MemoryImage& image) {
    imageOut_ = image;
}

bool Session::chooseBand(int index, const std::function<bool()>& confirm) {
    bool cleared = false;
    document_.editAndTell([&](Configuration& config) {
        config.band.listIndex = index;
        setBand(config, index);
        if (index != config.band.current && confirm && confirm()) {
            setBand(config, index);
            config.channels.clearAll();
            cleared = true;
        }
        config.band.current = index;
        return (cleared ? Change::of({Part::Band, Part::Vfos, Part::Channels})
                        : Change::of({Part::Band, Part::Vfos}))
            .named({StepKind::BandChange});
    });
    return cleared;
}

void Session::newConfiguration() {
    // New stands for a new document: every window shows it afresh (and drops what an open editor held),
    // although only the channels, DTMF and the features are reset.
    document_.edit(Change::everything().named({StepKind::New}), [](Configuration& config) {
        config.channels.clearAll();
        dtmfStartForm(config.dtmf);
        featuresStartForm(config.features);
    });
}

void Session::replaceConfiguration(const Configuration& replacement) {
    Change change = Change::everything();
    if (replacement.languageIndex != config().languageIndex)
        change.parts |= static_cast<std::uint16_t>(Part::Language);
    document_.edit(change, [&](Configuration& config) { config = replacement; });
}

void Session::setLanguage(int languageIndex) {
    document_.edit(Change::of({Part::Language}),
                   [languageIndex](Configuration& config) { config.languageIndex = languageIndex; });
}

}  // namespace zrt
