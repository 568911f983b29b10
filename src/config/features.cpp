#include "config/configuration.h"

namespace zrt {

// Placeholder until the optional-features table lands: the text defaults only.
void featuresStartForm(Features& features) {
    features.text6 = "1";
    features.text2 = "1";
    features.text21 = "0.00000";
    features.text4 = "0.00000";
    features.text31.clear();
}

}  // namespace zrt
