#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QString>
#include <memory>

#include "editors/calibration/calibration_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/fm/fm_window.h"
#include "i18n/calibration_captions.h"
#include "i18n/dtmf_captions.h"
#include "i18n/fm_captions.h"
#include "platform/qt_text.h"
#include "session/session.h"

namespace zrt {
namespace {

struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<EditorWindow>(Session&)> make;
    std::span<const Caption> table;
    std::size_t entries;
};

std::vector<WindowCase> windowCases() {
    return {
        {"FM", [](Session& s) { return std::make_unique<FmWindow>(s); }, fmCaptions(), 11},
        {"calibration", [](Session& s) { return std::make_unique<CalibrationWindow>(s); },
         calibrationCaptions(), 3 + 6 + 18},
        {"DTMF", [](Session& s) { return std::make_unique<DtmfWindow>(s); }, dtmfCaptions(), 17 + 8 + 10},
    };
}

TEST(EditorCaptions, EveryEntryReachesItsControlInBothLanguages) {
    for (const WindowCase& w : windowCases()) {
        SCOPED_TRACE(w.name);
        EXPECT_EQ(w.table.size(), w.entries);
        Session session;
        auto window = w.make(session);
        for (int language : {kChinese, kEnglish, kChinese}) {
            session.config.languageIndex = language;
            window->applyLanguage();
            EXPECT_EQ(applyCaptions(window.get(), w.table, language), 0);
            for (const Caption& c : w.table) {
                QString shown;
                ASSERT_TRUE(readCaption(window.get(), c, &shown)) << c.control << " " << c.index;
                EXPECT_EQ(shown, qs(c.text, language)) << c.control << " " << c.index;
            }
        }
    }
}

// The texts themselves, spelled out once more where a slip would be easy to miss.
TEST(EditorCaptions, TextsThatAreEasyToGetWrong) {
    struct Case {
        const char* window;
        const char* control;
        CaptionProp prop;
        int index;
        const char* en;
        const char* zh;
    };
    using P = CaptionProp;
    const Case cases[] = {
        {"FM", "", P::WindowTitle, 0, "FM Channel Set", "FM频道设置"},
        {"FM", "Label1_2", P::Text, 0, "收音机步进频率:", "收音机步进频率:"},
        {"FM", "Label1_3", P::Text, 0, "FM VFO:", "收音机全频频率:"},
        {"FM", "Combo1_1", P::Item, 1, "Frequency", "频率"},
        {"FM", "MSFGrid", P::Header, 1, "Frequency(MHz)", "频率(MHz)"},
        {"calibration", "", P::WindowTitle, 0, "Debugging Information", "调试信息"},
        {"calibration", "SSTab1", P::Tab, 1, "B Channel", "B组频段"},
        {"calibration", "Frame1_4", P::Title, 0, "Middle Power Grades", "中功率等级"},
        {"calibration", "Label1_15", P::Text, 0, "High Sect", "高段"},
        {"calibration", "Label1_17", P::Text, 0, "Low Sect", "低段"},
        {"DTMF", "", P::WindowTitle, 0, "DTMF(双音多频)", "DTMF(双音多频)"},
        {"DTMF", "Label2", P::Text, 0, "ANI Start Code\uFF1A", "ANI开始码\uFF1A"},
        {"DTMF", "Label17", P::Text, 0, "First Digital Delay\uFF1A", "首位数码延迟\uFF1A"},
        {"DTMF", "Label32", P::Text, 0, "ANI\uFF1A", "ANI\uFF1A"},
        {"DTMF", "Combo17", P::Item, 0, "0MS", "0毫秒"},
        {"DTMF", "Combo17", P::Item, 6, "1200MS", "1200毫秒"},
        {"DTMF", "Combo17", P::Item, 9, "1800MS", "1800毫秒"},
        {"DTMF", "Label1_7", P::Text, 0, "Eight Autodial Memory", "第八组自动拔号存储器"},
        {"DTMF", "Combo18", P::Item, 0, "Empty", "空"},
    };
    Session session;
    FmWindow fm(session);
    CalibrationWindow calibration(session);
    DtmfWindow dtmf(session);
    for (int language : {kChinese, kEnglish}) {
        session.config.languageIndex = language;
        fm.applyLanguage();
        calibration.applyLanguage();
        dtmf.applyLanguage();
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message()
                         << c.window << " " << c.control << " " << c.index << " " << language);
            QWidget* root = std::string(c.window) == "FM"            ? static_cast<QWidget*>(&fm)
                            : std::string(c.window) == "calibration" ? static_cast<QWidget*>(&calibration)
                                                                     : static_cast<QWidget*>(&dtmf);
            QString shown;
            ASSERT_TRUE(readCaption(root, Caption{c.control, c.prop, c.index, {}}, &shown));
            EXPECT_EQ(shown, QString::fromUtf8(language == kEnglish ? c.en : c.zh));
        }
    }
}

}  // namespace
}  // namespace zrt

namespace zrt {
namespace {

TEST(EditorClose, CloseBoxOnlyHides) {
    for (const WindowCase& w : windowCases()) {
        SCOPED_TRACE(w.name);
        Session session;
        auto standalone = w.make(session);
        standalone->show();
        EXPECT_FALSE(standalone->close());
        EXPECT_FALSE(standalone->isVisible());

        QMdiArea area;
        QPointer<EditorWindow> editor = w.make(session).release();
        QPointer<QMdiSubWindow> frame = area.addSubWindow(editor);
        area.show();
        frame->show();
        EXPECT_FALSE(frame->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(frame && editor);
        EXPECT_FALSE(frame->isVisible());
        frame->show();
        EXPECT_TRUE(editor->isVisible());
    }
}

}  // namespace
}  // namespace zrt
