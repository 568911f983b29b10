// The DTMF window's fields. They are not stored in images or data files.
#pragma once

#include <array>
#include <string>

namespace zrt {

struct Dtmf {
    std::array<std::string, 8> autodial;  // Text1(0..7)
    std::string aniStart;                 // Text2
    std::string aniEnd;                   // Text4
    std::string ownCode;                  // Text3
    std::string aniSendingText;           // Combo1 (a list with free text)
    int rate = 0;                         // Combo16
    int firstDigitDelay = 6;              // Combo17
    int groupCall = 0;                    // Combo18
};

}  // namespace zrt
