// What the field round-trip property cannot make: bytes and texts no editor produces, and tone-list lookups
// of texts outside the list. Its generator works out the frequency and tone bytes on its own, so the layouts
// of values the editors hold are pinned there.
#include "image/codecs.h"

#include <gtest/gtest.h>

#include "config/text.h"
#include "image/tone_list.h"

namespace zrt {
namespace {

TEST(Codecs, BytesAndTextsNoEditorMakes) {
    using namespace codec;
    MemoryImage image;
    for (int i = 0; i < 4; ++i)
        image.set(i, 0xAA);
    encodeFrequency("1x5.12500", image, 0);  // the pair "1x" is not hexadecimal: its byte keeps what it held
    EXPECT_EQ(image[3], 0xAA);
    EXPECT_EQ(image[2], 0x51);
    EXPECT_EQ(image[0], 0x00);

    EXPECT_EQ(toneText(0xFF, 0xFF), "FFF.F");  // not in the tone list: shown as Off by the VFO fields

    encodeCharField("12", image, 0x740, 4);
    EXPECT_EQ(image[0x742], 0xFF);
    image.set(0x740, 0xFF);  // a 0xFF inside a character field is skipped
    EXPECT_EQ(decodeCharField(image, 0x740, 4), "2");
}

TEST(ToneList, PastTheEndAndTextsOutsideTheList) {
    EXPECT_EQ(toneListItem(265, kEnglish), "");
    for (const char* text : {"00.0", "FFF.F", "Off", "d023n", ""})
        EXPECT_EQ(toneListIndex(text), 0) << text;
}

}  // namespace
}  // namespace zrt
