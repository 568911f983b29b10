#include "config/configuration.h"

namespace zrt {

void setBand(Configuration& config, int index) {
    if (index < 0 || index >= kBandCount) return;
    const BandEntry& band = kBands[index];
    config.band.limits = band.limits;
    config.features.vfoAFrequency = band.vfoA;
    config.features.vfoBFrequency = band.vfoB;
    config.features[FeatureList::VfoABandwidth] = band.vfoBandWidth;
    config.features[FeatureList::VfoBBandwidth] = band.vfoBandWidth;
}

Configuration startConfiguration() {
    Configuration config;
    config.languageIndex = kEnglish;
    featuresStartForm(config.features);
    dtmfStartForm(config.dtmf);
    config.band.current = 0;
    config.band.listIndex = 0;
    setBand(config, 0);
    return config;
}

}  // namespace zrt
