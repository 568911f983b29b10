// The windows' sizes and places are given in twips (1/1440 inch), as the program's layout defines them; this
// is the one place they become pixels.
#pragma once

namespace zrt {

// At the layout's own 96 dots per inch: 15 twips a pixel.
constexpr int twipsToPixels(int twips) {
    return twips / 15;
}

// At a screen's resolution, for what must keep its place beside the screen's own widgets.
constexpr int twipsToPixels(int twips, int dotsPerInch) {
    return twips * dotsPerInch / 1440;
}

}  // namespace zrt
