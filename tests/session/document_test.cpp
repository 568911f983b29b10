#include "session/document.h"

#include <gtest/gtest.h>

#include <vector>

#include "session/session.h"

namespace zrt {
namespace {

// Every operation of the session that changes the configuration tells its observers, once, what it changed;
// a copy of the session takes none of them along.
TEST(Document, EveryChangeIsToldOnceWithWhatItTouched) {
    const auto bits = [](std::initializer_list<Part> parts) { return Change::of(parts).parts; };
    struct Case {
        const char* name;
        std::function<void(Session&)> act;
        std::uint16_t parts;
        bool allChannels;
    };
    const Case cases[] = {
        {"decode", [](Session& s) { s.decode(); }, Change::everything().parts, true},
        {"new", [](Session& s) { s.newConfiguration(); }, Change::everything().parts, true},
        {"language", [](Session& s) { s.setLanguage(kChinese); }, bits({Part::Language}), true},
        {"band kept", [](Session& s) { s.chooseBand(1, [] { return false; }); },
         bits({Part::Band, Part::Vfos}), true},
        {"band cleared", [](Session& s) { s.chooseBand(1, [] { return true; }); },
         bits({Part::Band, Part::Vfos, Part::Channels}), true},
        {"one channel",
         [](Session& s) {
             s.edit(Change::channels(7, 7), [](Configuration& c) { c.channels[6].name = "X"; });
         },
         bits({Part::Channels}), false},
    };
    for (const Case& c : cases) {
        Session session;
        std::vector<Change> heard;
        const int key = session.document().subscribe([&](const Change& change) { heard.push_back(change); });
        c.act(session);
        ASSERT_EQ(heard.size(), 1u) << c.name;
        EXPECT_EQ(heard[0].parts, c.parts) << c.name;
        EXPECT_EQ(heard[0].allChannels(), c.allChannels) << c.name;
        Session copy = session;
        c.act(copy);
        EXPECT_EQ(heard.size(), 1u) << c.name << ": a copy keeps no observers";
        session.document().unsubscribe(key);
        c.act(session);
        EXPECT_EQ(heard.size(), 1u) << c.name << ": an observer that left hears nothing";
    }
}

}  // namespace
}  // namespace zrt
