// Every caption and item text of every window, in both languages, through a run of language switches of the
// real main window. The expected texts are written out here on their own, not taken from the caption tables,
// so that a wrong table entry shows up; everything a window shows that is not listed must read the same in
// both languages. Positions, selections, values and visibility must not move with the language.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/about_box.h"
#include "app/main_window.h"
#include "app/msgbox.h"
#include "editors/calibration/calibration_window.h"
#include "editors/channel/channel_grid.h"
#include "editors/channel/channel_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/features/features_window.h"
#include "editors/fm/fm_window.h"
#include "session/session.h"

namespace zrt {
namespace {

// ---------------------------------------------------------------------------------------------
// What the windows show, as "window|control|property|index" -> text.

using Shown = std::map<QString, QString>;

QString key(const QString& window, const QString& control, const char* prop, int index = 0) {
    return window + '|' + control + '|' + QLatin1String(prop) + '|' + QString::number(index);
}

// A name for a control without an object name: its parent's name, its class and its place among its siblings.
QString nameOf(const QObject* o) {
    if (!o->objectName().isEmpty()) return o->objectName();
    const QObject* parent = o->parent();
    const int place = parent ? static_cast<int>(parent->children().indexOf(const_cast<QObject*>(o))) : 0;
    return (parent ? nameOf(parent) : QString()) + '/' + QLatin1String(o->metaObject()->className()) + '#' +
           QString::number(place);
}

// The texts of one window: titles, labels, buttons, frames, tabs, list items, grid headers, actions, tool
// tips. Cell contents and box contents are values, not captions, and are left to the value snapshot.
void collect(const QString& window, QObject* root, Shown& out, bool withTitle) {
    auto put = [&](const QObject* o, const char* prop, int index, const QString& text) {
        if (!text.isEmpty()) out[key(window, nameOf(o), prop, index)] = text;
    };
    if (auto* w = qobject_cast<QWidget*>(root); w && withTitle)
        out[key(window, {}, "title")] = w->windowTitle();
    QList<QObject*> objects = root->findChildren<QObject*>();
    objects.prepend(root);
    for (QObject* o : objects) {
        if (auto* w = qobject_cast<QWidget*>(o); w && o != root) {
            // A toolbar's buttons show their actions' tips, which are collected with the actions.
            auto* button = qobject_cast<QToolButton*>(o);
            if (!button || !button->defaultAction()) put(o, "tip", 0, w->toolTip());
            if (w->isWindow() && !qobject_cast<QMenu*>(w)) put(o, "title", 0, w->windowTitle());
        }
        if (auto* l = qobject_cast<QLabel*>(o)) put(o, "text", 0, l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(o)) put(o, "text", 0, b->text());
        if (auto* g = qobject_cast<QGroupBox*>(o)) put(o, "title", 0, g->title());
        if (auto* m = qobject_cast<QMenu*>(o)) put(o, "title", 0, m->title());
        if (auto* c = qobject_cast<QComboBox*>(o))
            for (int i = 0; i < c->count(); ++i)
                put(o, "item", i, c->itemText(i));
        if (auto* t = qobject_cast<QTabWidget*>(o))
            for (int i = 0; i < t->count(); ++i)
                put(o, "tab", i, t->tabText(i));
        if (auto* t = qobject_cast<QTabBar*>(o); t && !qobject_cast<QTabWidget*>(t->parent()))
            for (int i = 0; i < t->count(); ++i)
                put(o, "tab", i, t->tabText(i));
        if (auto* t = qobject_cast<QTableWidget*>(o))
            for (int i = 0; i < t->columnCount(); ++i)
                if (QTableWidgetItem* h = t->horizontalHeaderItem(i)) put(o, "header", i, h->text());
        if (auto* a = qobject_cast<QAction*>(o); a && !a->isSeparator() && !a->objectName().isEmpty()) {
            put(o, "text", 0, a->text());
            // A tool tip of its own only on the toolbar; a menu item's tip is its text.
            if (qobject_cast<QToolBar*>(a->parent())) put(o, "tip", 0, a->toolTip());
        }
    }
}

// Values that a language switch must leave alone: list positions, typed texts, tabs, grid cursor, sliders,
// check boxes, visibility.
Shown values(const QString& window, QObject* root) {
    Shown out;
    auto put = [&](const QObject* o, const char* what, const QString& v) {
        out[key(window, nameOf(o), what)] = v;
    };
    QList<QObject*> objects = root->findChildren<QObject*>();
    objects.prepend(root);
    for (QObject* o : objects) {
        if (auto* w = qobject_cast<QWidget*>(o))
            put(o, "visible", w->isVisibleTo(qobject_cast<QWidget*>(root)) ? "1" : "0");
        if (auto* c = qobject_cast<QComboBox*>(o)) {
            put(o, "position", QString::number(c->currentIndex()));
            put(o, "count", QString::number(c->count()));
            if (c->isEditable() && c->currentIndex() < 0) put(o, "typed", c->currentText());
        }
        if (auto* e = qobject_cast<QLineEdit*>(o); e && !qobject_cast<QComboBox*>(e->parent()))
            put(o, "text", e->text());
        if (auto* t = qobject_cast<QTabBar*>(o)) put(o, "tab", QString::number(t->currentIndex()));
        if (auto* s = qobject_cast<QSlider*>(o)) put(o, "value", QString::number(s->value()));
        if (auto* b = qobject_cast<QCheckBox*>(o)) put(o, "checked", b->isChecked() ? "1" : "0");
        if (auto* t = qobject_cast<QTableWidget*>(o))
            put(o, "cursor", QStringLiteral("%1,%2").arg(t->currentRow()).arg(t->currentColumn()));
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// The expected texts.

struct Expected {
    QString window;
    QString control;  // for the optional-features fields: "caption:" + the field, meaning its caption label
    const char* prop;
    int index;
    QString en;
    QString zh;
};

QString u(const char* s) {
    return QString::fromUtf8(s);
}

std::vector<Expected> expectedTexts() {
    std::vector<Expected> e;
    auto add = [&](const char* window, const QString& control, const char* prop, int index, const QString& en,
                   const QString& zh) {
        e.push_back({u(window), control, prop, index, en, zh});
    };
    auto same = [&](const char* window, const QString& control, const char* prop, int index,
                    const QString& text) { add(window, control, prop, index, text, text); };

    // Main window: title, maker panel, menus, the band label, the toolbar and its tips, band and port lists.
    add("main", {}, "title", 0, u("ZR-T410 Radio Programming Software"), u("ZR-T410 对讲机编程软件"));
    add("main", u("StatusBar1.Maker"), "text", 0, u("ZR-T410 two-way radio"), u("ZR-T410 对讲机"));
    struct Menu {
        const char* name;
        const char* prop;
        const char* en;
        const char* zh;
    };
    const Menu menus[] = {
        {"MNFile", "title", "File(&F)", "文件(&F)"},
        {"MNNew", "text", "New(&N)", "新建(&N)"},
        {"MNOpen", "text", "Open(&O)", "打开(&O)"},
        {"MNSave", "text", "Save(&S)", "保存(&S)"},
        {"MNImport", "text", "Import Channels…", "导入信道…"},
        {"MNExport", "text", "Export Channels…", "导出信道…"},
        {"MNPrint", "text", "Print(&P)", "打印(&P)"},
        {"MNQuit", "text", "Quit(&Q)", "退出(&Q)"},
        {"MNEdit", "title", "Edit(&E)", "编辑(&E)"},
        {"MNModel", "text", "Channel Edit(&M)", "信道编辑(&M)"},
        {"MNDTMF", "text", "DTMF(&D)", "DTMF信令(&D)"},
        {"MNOption", "text", "Optional Features(&P)", "可选功能(&P)"},
        {"MNFMset", "text", "FM Channel Set", "收音机频道设置"},
        {"MNDebug", "text", "Debug Information(&B)", "调试信息(&B)"},
        {"MNProgram", "title", "Programming(&G)", "编程(&G)"},
        {"MNRead", "text", "Read Data from the Transceive(&R)", "读频(&R)"},
        {"MNWrite", "text", "Write Data in the Transceive(&W)", "写频(&W)"},
        {"MNCommPort", "text", "Communication Port(&C)", "通信端口(&C)"},
        {"MNLanguage", "title", "Language Select(&L)", "语言选择(&L)"},
        {"MNChinese", "text", "Chinese(&C)", "中文(&C)"},
        {"MNEnglish", "text", "English(&E)", "英文(&E)"},
        {"MNHelp", "title", "Help(&H)", "帮助(&H)"},
        {"MNF1", "text", "Help Theme", "帮助主题(F1)"},
        {"MNAbout", "text", "Software Information", "软件信息"},
        {"Label1", "text", "Range:", "频段:"},
        {"TNew", "tip", "New", "新建"},
        {"TOpen", "tip", "Open", "打开"},
        {"TSave", "tip", "Save", "保存"},
        {"TRead", "tip", "Read Data from the Transceive", "读频"},
        {"TWrite", "tip", "Write Data in the Transceive", "写频"},
        // The toolbar's own captions read the same in both languages.
        {"TNew", "text", "新建", "新建"},
        {"TOpen", "text", "打开", "打开"},
        {"TSave", "text", "保存", "保存"},
        {"TRead", "text", "读频", "读频"},
        {"TWrite", "text", "写频", "写频"},
    };
    for (const Menu& m : menus)
        add("main", u(m.name), m.prop, 0, u(m.en), u(m.zh));
    const char* bands[] = {"A:136-174MHz B:400-470MHz", "A:136-174MHz B:470-520MHz",
                           "A:144-148MHz B:430-440MHz", "A:136-174MHz B:245-250MHz"};
    for (int i = 0; i < 4; ++i)
        same("main", u("Combo1"), "item", i, u(bands[i]));
    for (int i = 0; i < 16; ++i)
        same("main", u("ComboCom"), "item", i, QString::number(i + 1));

    // Channel window.
    add("channel", {}, "title", 0, u("Channel Edit"), u("信道编辑"));
    add("channel", u("TabStrip1"), "tab", 0, u("Group A"), u("A组频段"));
    add("channel", u("TabStrip1"), "tab", 1, u("Group B"), u("B组频段"));
    add("channel", u("Combo1"), "item", 0, u("Off"), u("关闭"));
    struct Pair {
        int list;
        const char* en0;
        const char* en1;
        const char* zh0;
        const char* zh1;
    };
    const Pair lists[] = {
        {5, "Low", "High", "低", "高"},   {6, "Carry", "Off", "载波", "关"},
        {7, "Off", "On", "禁止", "使能"}, {8, "Narrow", "wide", "窄带", "宽带"},
        {10, "On", "Off", "开", "关"},    {11, "On", "Off", "开", "关"},
    };
    for (const Pair& p : lists) {
        const QString name = QStringLiteral("Combo5_%1").arg(p.list);
        add("channel", name, "item", 0, u(p.en0), u(p.zh0));
        add("channel", name, "item", 1, u(p.en1), u(p.zh1));
    }
    const char* headersEn[] = {"Fre",        "RX Fre", "TX Fre",       "QT/DQT Dec",
                               "QT/DQT Enc", "Power",  "Channel lock", "Add scan",
                               "Band",       "",       "Scramble",     "Channel Name"};
    const char* headersZh[] = {"频道",       "接收频率", "发射频率",     "接收亚音频",
                               "发射亚音频", "功率",     "繁忙信道锁定", "扫描添加",
                               "宽/窄带",    "",         "倒频",         "频道名称"};
    for (const char* grid : {"Grid1", "Grid2"})
        for (int c = 0; c < 12; ++c)
            add("channel", u(grid), "header", c, u(headersEn[c]), u(headersZh[c]));

    // DTMF window.
    same("dtmf", {}, "title", 0, u("DTMF(双音多频)"));
    add("dtmf", u("Option1"), "text", 0, u("Auto-dialing Memory"), u("自动拔号存储器"));
    add("dtmf", u("Option2"), "text", 0, u("Other Features"), u("其它功能"));
    const char* ordinalsEn[] = {"First", "Second", "Third", "Fourth", "Fifth", "Sixth", "Seventh", "Eight"};
    const char* ordinalsZh[] = {"一", "二", "三", "四", "五", "六", "七", "八"};
    for (int i = 0; i < 8; ++i)
        add("dtmf", QStringLiteral("Label1_%1").arg(i), "text", 0, u(ordinalsEn[i]) + u(" Autodial Memory"),
            u("第") + u(ordinalsZh[i]) + u("组自动拔号存储器"));
    const QString colon(QChar(0xFF1A));
    add("dtmf", u("Label2"), "text", 0, u("ANI Start Code") + colon, u("ANI开始码") + colon);
    add("dtmf", u("Label4"), "text", 0, u("ANI End Code") + colon, u("ANI结束码") + colon);
    add("dtmf", u("Label3"), "text", 0, u("Own Code") + colon, u("自身码") + colon);
    same("dtmf", u("Label32"), "text", 0, u("ANI") + colon);
    add("dtmf", u("Label16"), "text", 0, u("DTMF Rate") + colon, u("DTMF速率") + colon);
    add("dtmf", u("Label17"), "text", 0, u("First Digital Delay") + colon, u("首位数码延迟") + colon);
    add("dtmf", u("Label18"), "text", 0, u("Group Call Code") + colon, u("群呼码") + colon);
    add("dtmf", u("LabelNotStored"), "text", 0,
        u("These settings are not written to the radio and not saved in data files."),
        u("这些设置不会写入对讲机，也不会保存到数据文件中。"));
    add("dtmf", u("Combo1"), "item", 0, u("Start Send"), u("发射开始"));
    add("dtmf", u("Combo1"), "item", 1, u("End Send"), u("发射结束"));
    add("dtmf", u("Combo1"), "item", 2, u("Both"), u("两者"));
    add("dtmf", u("Combo16"), "item", 0, u("Fast"), u("快"));
    add("dtmf", u("Combo16"), "item", 1, u("Slow"), u("慢"));
    for (int k = 0; k < 10; ++k)
        add("dtmf", u("Combo17"), "item", k, QString::number(k * 200) + u("MS"),
            QString::number(k * 200) + u("毫秒"));
    add("dtmf", u("Combo18"), "item", 0, u("Empty"), u("空"));
    const char* groupCall[] = {"*", "#", "A", "B", "C", "D"};
    for (int i = 0; i < 6; ++i)
        same("dtmf", u("Combo18"), "item", i + 1, u(groupCall[i]));

    // Optional-features window: title, tabs, frames, check boxes, then each field's caption and items.
    add("features", {}, "title", 0, u("Optional Features"), u("可选功能"));
    add("features", u("TabStrip1"), "tab", 0, u("FunctionSet"), u("功能设置"));
    add("features", u("TabStrip1"), "tab", 1, u("VFO Set"), u("全频模式设置"));
    add("features", u("Frame2"), "title", 0, u("Function Set"), u("功能设置"));
    add("features", u("Frame3"), "title", 0, u("A Group VFO"), u("A组全频频率"));
    add("features", u("Frame5"), "title", 0, u("B Group VFO"), u("B组全频频率"));
    add("features", u("Frame1"), "title", 0, u("VOX"), u("VOX(声控发射)"));
    add("features", u("Check12"), "text", 0, u("Allow to Cancel Operating"), u("允许取消操作"));
    add("features", u("Check13"), "text", 0, u("Prohibit VOX in the receiving"), u("接收时禁止VOX"));

    struct Field {
        const char* control;
        const char* en;
        const char* zh;
        std::vector<std::pair<const char*, const char*>> items;  // en, zh by position
    };
    using I = std::vector<std::pair<const char*, const char*>>;
    const I displayMode{{"Frequency", "频率"}, {"Fre And Channel", "频率与频道"}};
    const I offOn{{"Off", "关"}, {"On", "开"}};
    const I onOff{{"On", "开"}, {"Off", "关"}};
    const I onOffLong{{"On", "开启"}, {"Off", "关闭"}};
    const I enable{{"On", "使能"}, {"Off", "禁止"}};
    const I disable{{"Off", "禁止"}, {"On", "使能"}};
    const I steps{{"5K", "5K"},   {"6.25K", "6.25K"}, {"10K", "10K"}, {"12.5K", "12.5K"},
                  {"25K", "25K"}, {"37.5K", "37.5K"}, {"50K", "50K"}, {"100K", "100K"}};
    const I digits{{"0", "0"}, {"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"},
                   {"5", "5"}, {"6", "6"}, {"7", "7"}, {"8", "8"}, {"9", "9"}};
    const I toneOff{{"Off", "关闭"}};
    const std::vector<Field> fields = {
        {"Combo1", "A Display Mode:", "A组显式模式:", displayMode},
        {"Combo17", "B Display Mode:", "B组显式模式:", displayMode},
        {"Combo7", "Beep:", "提示音:", offOn},
        {"Combo9", "Key Lock:", "键盘锁:", onOffLong},
        {"ComboMod", "Scan Mode:", "扫描模式:", {{"Carry", "载波"}, {"Time", "时间"}}},
        {"Combo18",
         "KeyLock Mode:",
         "锁键模式:",
         {{"K+S", "K+S"}, {"PTT", "PTT"}, {"KEY", "KEY"}, {"ALL", "ALL"}}},
        {"Combo2", "Power On Password:", "开机密码设定:", onOff},
        {"Combo13", "FM Radio Search Mode:", "收音机搜台模式:", {{"Manual", "手动"}, {"Auto", "自动"}}},
        {"Combo6", "FM Dual Watch:", "收音机监听信号:", {{"Off", "关闭"}, {"On", "打开"}}},
        {"Combo20", "Eliminate End-Noice:", "尾音消除:", offOn},
        {"Combo35", "APO:", "自动关机:", {{"Off", "关"}}},
        {"Combo32",
         "Power on Mode:",
         "开机信息显示方式:",
         {{"OFF", "关闭"}, {"DC", "电池电压"}, {"MSG", "字符"}}},
        {"Combo11", "A Self-Regard Channel:", "A频段自命名频道名称:", enable},
        {"Combo40", "B Self-Regard Channel:", "B频段自命名频道名称:", enable},
        {"Combo10", "TDR Mode:", "双频待机:", offOn},
        {"Combo39",
         "Return Channel:",
         "双频待机回复频道:",
         {{"Selected Channel", "选定频道"}, {"Current Call Channel", "当前通话频道"}}},
        {"Text6", "A Channel Number:", "A组当前频道数:", {}},
        {"Text2", "B Channel Number:", "B组当前频道数:", {}},
        {"Combo3", "A Step Frequency:", "A组步进频率:", steps},
        {"Combo37", "B Step Frequency:", "B组步进频率:", steps},
        {"Combo5", "A Squelch Level:", "A组静噪等级:", digits},
        {"Combo36", "B Squelch Level:", "B组静噪等级:", digits},
        {"Combo8", "Battery Save:", "省电:", offOn},
        {"Combo19", "Time-out Timer:", "发射超时:", {{"Off", "关闭"}}},
        {"Combo16", "ROGER:", "通话结束提示音:", onOff},
        {"Combo33", "Main Channel:", "主频道:", {{"Group B", "B组"}, {"Group A", "A组"}}},
        {"Combo21", "Lamp Mode:", "背光灯方式:", {{"OFF", "OFF"}, {"KEY", "KEY"}, {"CONT", "CONT"}}},
        {"Combo34", "Memory display Mode:", "记忆频道显示模式:", onOffLong},
        {"Combo38", "Standby Mode:", "守候模式:", {{"Single Show", "单显"}, {"Double Show", "双显"}}},
        {"Text31", "Display Character:", "开机显示字符:", {}},
        {"Text1", "Password:", "4位开机密码:", {}},
        {"Combo31", "VOX Swith:", "VOX 开关:", offOn},
        {"Combo14",
         "VOX Gain Level:",
         "VOX增益电平:",
         {{"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}, {"5", "5"}, {"6", "6"}, {"7", "7"}, {"8", "8"}}},
        {"Combo15",
         "VOX Delay Time(s):",
         "VOX延迟时间(秒):",
         {{"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}}},
        {"Text20", "Frequency:", "全频频率:", {}},
        {"Text3", "Frequency:", "全频频率:", {}},
        {"Text21", "Offset Data:", "异频数:", {}},
        {"Text4", "Offset Data:", "异频数:", {}},
        {"Combo22", "QT/DQT Dec:", "接收亚音频:", toneOff},
        {"Combo46", "QT/DQT Dec:", "接收亚音频:", toneOff},
        {"Combo23", "QT/DQT Enc:", "发射亚音频:", toneOff},
        {"Combo47", "QT/DQT Enc:", "发射亚音频:", toneOff},
        {"Combo24", "Power:", "功率:", {{"Low", "低"}, {"High", "高"}}},
        {"Combo48", "Power:", "功率:", {{"Low", "低"}, {"High", "高"}}},
        {"Combo30",
         "Off Set Frequency:",
         "异频:",
         {{"Plus", "+异频"}, {"Minus", "-异频"}, {"Off", "无异频"}}},
        {"Combo49",
         "Off Set Frequency:",
         "异频:",
         {{"Plus", "+异频"}, {"Minus", "-异频"}, {"Off", "无异频"}}},
        {"Combo27", "Band:", "宽/窄带:", {{"Narrow", "窄带"}, {"Wide", "宽带"}}},
        {"Combo50", "Band:", "宽/窄带:", {{"Narrow", "窄带"}, {"Wide", "宽带"}}},
        {"Combo25", "BusyChannel Lock:", "繁忙信道锁定:", {{"Carry", "载波"}, {"Off", "关"}}},
        {"Combo51", "BusyChannel Lock:", "繁忙信道锁定:", {{"Carry", "载波"}, {"Off", "关"}}},
        {"Combo26", "Add Scan:", "扫描添加:", disable},
        {"Combo52", "Add Scan:", "扫描添加:", disable},
        {"Combo28", "TX Stop:", "发射禁止:", onOff},
        {"Combo53", "TX Stop:", "发射禁止:", onOff},
        {"Combo12", "Scramble:", "扰频:", enable},
        {"Combo29", "Companding:", "压扩:", disable},
    };
    for (const Field& f : fields) {
        add("features", u("caption:") + u(f.control), "text", 0, u(f.en), u(f.zh));
        for (std::size_t i = 0; i < f.items.size(); ++i)
            add("features", u(f.control), "item", static_cast<int>(i), u(f.items[i].first),
                u(f.items[i].second));
    }
    for (int k = 1; k <= 7; ++k)
        add("features", u("Combo19"), "item", k, QString::number(k) + u(" Minute"),
            QString::number(k) + u(" 分钟"));
    for (int k = 1; k <= 15; ++k)
        add("features", u("Combo35"), "item", k, QString::number(k) + u(" Hour"),
            QString::number(k) + u(" 小时"));
    same("features", u("Combo4"), "item", 0, u("关闭"));
    for (int k = 1; k <= 5; ++k)
        same("features", u("Combo4"), "item", k, QStringLiteral("TONE%1").arg(k));

    // Calibration window.
    add("calibration", {}, "title", 0, u("Debugging Information"), u("调试信息"));
    add("calibration", u("SSTab1"), "tab", 0, u("A Channel"), u("A组频段"));
    add("calibration", u("SSTab1"), "tab", 1, u("B Channel"), u("B组频段"));
    const char* gradesEn[] = {"High Power Grades", "Middle Power Grades", "Low Power Grades"};
    const char* gradesZh[] = {"高功率等级", "中功率等级", "低功率等级"};
    for (int f = 0; f < 6; ++f)
        add("calibration", QStringLiteral("Frame1_%1").arg(f), "title", 0, u(gradesEn[f % 3]),
            u(gradesZh[f % 3]));
    const char* sectsEn[] = {"High Sect", "Mid Sect", "Low Sect"};
    const char* sectsZh[] = {"高段", "中段", "低段"};
    for (int i = 0; i < 18; ++i)
        add("calibration", QStringLiteral("Label1_%1").arg(i), "text", 0, u(sectsEn[i % 3]),
            u(sectsZh[i % 3]));

    // FM radio window.
    add("fm", {}, "title", 0, u("FM Channel Set"), u("FM频道设置"));
    add("fm", u("Label1_3"), "text", 0, u("FM VFO:"), u("收音机全频频率:"));
    add("fm", u("Label1_0"), "text", 0, u("Present Channel:"), u("当前收音机工作频道:"));
    add("fm", u("Label1_1"), "text", 0, u("FM Display Mode:"), u("显示模式:"));
    same("fm", u("Label1_2"), "text", 0, u("收音机步进频率:"));
    add("fm", u("Combo1_1"), "item", 0, u("Channel"), u("频道"));
    add("fm", u("Combo1_1"), "item", 1, u("Frequency"), u("频率"));
    const char* fmSteps[] = {"50K", "100K", "200K"};
    for (int i = 0; i < 3; ++i)
        same("fm", u("Combo1_2"), "item", i, u(fmSteps[i]));
    for (int i = 0; i < 25; ++i)
        same("fm", u("Combo1_0"), "item", i, QString::number(i + 1));
    add("fm", u("Command1"), "text", 0, u("OK"), u("确定"));
    add("fm", u("Command2"), "text", 0, u("Cancel"), u("取消"));
    add("fm", u("MSFGrid"), "header", 0, u("Channel"), u("频道"));
    add("fm", u("MSFGrid"), "header", 1, u("Frequency(MHz)"), u("频率(MHz)"));

    // About box.
    add("about", {}, "title", 0, u("Help"), u("帮助"));
    add("about", u("lblTitle"), "text", 0, u("ZR-T410 Radio Programming Software"),
        u("ZR-T410 对讲机编程软件"));
    add("about", u("lblVersion"), "text", 0, u("English edition V3.00"), u("简体中文版 V3.00"));
    return e;
}

// ---------------------------------------------------------------------------------------------

class Languages : public ::testing::Test {
  protected:
    void SetUp() override {
        QApplication::setQuitOnLastWindowClosed(false);
        setMsgBoxResponder([](const MsgBoxRequest&) { return msg::kResultOk; });
        window = std::make_unique<MainWindow>(session, PortNames(QStringLiteral("/nonexistent/zrt410-port")));
    }
    void TearDown() override {
        window.reset();
        setMsgBoxResponder({});
    }

    std::vector<std::pair<QString, QWidget*>> editors() const {
        return {{"channel", window->channelWindow()},
                {"dtmf", window->dtmfWindow()},
                {"features", window->featuresWindow()},
                {"calibration", window->calibrationWindow()},
                {"fm", window->fmWindow()},
                {"about", window->aboutBox()}};
    }

    Shown texts() const {
        Shown out;
        out[key("main", {}, "title")] = window->windowTitle();
        for (QWidget* bar : {static_cast<QWidget*>(window->menuBar()),
                             static_cast<QWidget*>(window->findChild<QToolBar*>(QStringLiteral("TopBar"))),
                             static_cast<QWidget*>(window->statusBar())})
            collect(QStringLiteral("main"), bar, out, false);
        for (const auto& [name, w] : editors())
            collect(name, w, out, true);
        // The date and time panels follow the computer's calendar, not a caption.
        for (const char* panel : {"StatusBar1.Date", "StatusBar1.Time"})
            out.erase(key("main", QLatin1String(panel), "text"));
        return out;
    }

    Shown allValues() const {
        Shown out = values(QStringLiteral("main"), window->findChild<QToolBar*>(QStringLiteral("TopBar")));
        for (const auto& [name, w] : editors())
            out.merge(values(name, w));
        out[QStringLiteral("features|page")] = QString::number(window->featuresWindow()->page());
        return out;
    }

    // The key under which an expected text is shown.
    QString keyOf(const Expected& e) const {
        if (!e.control.startsWith(u("caption:"))) return key(e.window, e.control, e.prop, e.index);
        const QString field = e.control.mid(8);
        for (QLabel* l : window->featuresWindow()->findChildren<QLabel*>())
            if (l->buddy() && l->buddy()->objectName() == field)
                return key(e.window, l->objectName(), e.prop, 0);
        return e.control;  // no caption label: reported as missing
    }

    void setLanguage(int language) {
        const char* command = language == kChinese ? "MNChinese" : "MNEnglish";
        auto* a = qobject_cast<QAction*>(window->control(command));
        ASSERT_NE(a, nullptr);
        a->trigger();
    }

    Session session;
    std::unique_ptr<MainWindow> window;
};

TEST_F(Languages, EveryTextOfEveryWindowThroughFourSwitches) {
    const std::vector<Expected> expected = expectedTexts();

    // Selections away from the defaults, so that a switch that resets one shows.
    auto* features = window->featuresWindow();
    features->findChild<QComboBox*>(QStringLiteral("Combo19"))->setCurrentIndex(3);
    features->findChild<QComboBox*>(QStringLiteral("Combo35"))->setCurrentIndex(5);
    features->findChild<QComboBox*>(QStringLiteral("Combo33"))->setCurrentIndex(0);
    features->findChild<QComboBox*>(QStringLiteral("Combo22"))->setCurrentIndex(0);
    features->findChild<QComboBox*>(QStringLiteral("Combo46"))->setCurrentIndex(60);
    features->findChild<QLineEdit*>(QStringLiteral("Text31"))->setText(QStringLiteral("AB1"));
    features->showPage(2);
    window->dtmfWindow()->findChild<QComboBox*>(QStringLiteral("Combo17"))->setCurrentIndex(2);
    window->dtmfWindow()->findChild<QComboBox*>(QStringLiteral("Combo16"))->setCurrentIndex(1);
    window->calibrationWindow()->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
    window->fmWindow()->findChild<QComboBox*>(QStringLiteral("Combo1_1"))->setCurrentIndex(0);
    window->channelWindow()->findChild<QTabBar*>(QStringLiteral("TabStrip1"))->setCurrentIndex(1);
    window->channelWindow()->grid(2)->setCurrentCell(4, 5);
    const Shown valuesBefore = allValues();

    const Shown atStart = texts();
    struct Step {
        const char* name;
        int language;  // -1: the state at start, before any switch
    };
    const Step steps[] = {{"start", -1},
                          {"to Chinese", kChinese},
                          {"to English", kEnglish},
                          {"to Chinese again", kChinese},
                          {"to English again", kEnglish}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.language >= 0) setLanguage(step.language);
        const int language = step.language < 0 ? kEnglish : step.language;
        EXPECT_EQ(session.config.languageIndex, language);
        Shown now = texts();

        for (const Expected& e : expected) {
            const QString k = keyOf(e);
            const QString want = language == kChinese ? e.zh : e.en;
            const auto it = now.find(k);
            if (want.isEmpty()) {
                EXPECT_TRUE(it == now.end()) << k.toStdString() << " shows " << it->second.toStdString();
                continue;
            }
            ASSERT_TRUE(it != now.end()) << "missing: " << k.toStdString();
            EXPECT_EQ(it->second.toStdString(), want.toStdString()) << k.toStdString();
            now.erase(it);
        }
        // Whatever is left is not a caption of either language: it reads as it did at start.
        for (const auto& [k, text] : now) {
            const auto it = atStart.find(k);
            ASSERT_TRUE(it != atStart.end()) << "new text " << k.toStdString();
            EXPECT_EQ(text.toStdString(), it->second.toStdString())
                << k.toStdString() << " follows the language but is not a caption";
        }

        // Each editor window's frame carries its title.
        for (EditorWindow* editor :
             std::initializer_list<EditorWindow*>{window->channelWindow(), window->dtmfWindow(), features,
                                                  window->calibrationWindow(), window->fmWindow()})
            EXPECT_EQ(window->subWindowOf(editor)->windowTitle().toStdString(),
                      editor->windowTitle().toStdString());

        const Shown valuesNow = allValues();
        for (const auto& [k, v] : valuesBefore) {
            const auto it = valuesNow.find(k);
            ASSERT_TRUE(it != valuesNow.end()) << k.toStdString();
            EXPECT_EQ(it->second.toStdString(), v.toStdString()) << k.toStdString();
        }
    }
}

TEST_F(Languages, EditorWindowsAreLoadedWithFilledListsBeforeAnyIsOpened) {
    struct Case {
        QWidget* (*window)(const MainWindow&);
        const char* list;
        int count;
        int position;
        const char* shown;
    };
    const Case cases[] = {
        {[](const MainWindow& w) -> QWidget* { return w.featuresWindow(); }, "Combo19", 8, 1, "1 Minute"},
        {[](const MainWindow& w) -> QWidget* { return w.featuresWindow(); }, "Combo35", 16, 0, "Off"},
        {[](const MainWindow& w) -> QWidget* { return w.featuresWindow(); }, "Combo5", 10, 4, "4"},
        {[](const MainWindow& w) -> QWidget* { return w.featuresWindow(); }, "Combo14", 8, 3, "4"},
        {[](const MainWindow& w) -> QWidget* { return w.featuresWindow(); }, "Combo15", 4, 0, "1"},
        {[](const MainWindow& w) -> QWidget* { return w.featuresWindow(); }, "Combo22", 265, 0, "Off"},
        {[](const MainWindow& w) -> QWidget* { return w.featuresWindow(); }, "Combo4", 6, 4, "TONE4"},
        {[](const MainWindow& w) -> QWidget* { return w.dtmfWindow(); }, "Combo17", 10, 6, "1200MS"},
        {[](const MainWindow& w) -> QWidget* { return w.dtmfWindow(); }, "Combo18", 7, 0, "Empty"},
        {[](const MainWindow& w) -> QWidget* { return w.dtmfWindow(); }, "Combo16", 2, 0, "Fast"},
        {[](const MainWindow& w) -> QWidget* { return w.channelWindow(); }, "Combo1", 265, 0, "Off"},
        {[](const MainWindow& w) -> QWidget* { return w.channelWindow(); }, "Combo5_8", 2, 1, "wide"},
        {[](const MainWindow& w) -> QWidget* { return w.fmWindow(); }, "Combo1_0", 25, -1, ""},
        {[](const MainWindow& w) -> QWidget* { return w.fmWindow(); }, "Combo1_2", 3, 0, "50K"},
    };
    for (const Case& c : cases) {
        QWidget* editor = c.window(*window);
        SCOPED_TRACE(editor->objectName().toStdString() + " " + c.list);
        EXPECT_FALSE(editor->isVisible());
        auto* list = editor->findChild<QComboBox*>(QLatin1String(c.list));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->count(), c.count);
        if (c.position >= 0) {
            EXPECT_EQ(list->currentIndex(), c.position);
            EXPECT_EQ(list->currentText().toStdString(), c.shown);
        }
    }
}

TEST_F(Languages, ChannelTablesShowTheirListColumnsInTheNewLanguage) {
    // Channel 1 with every list column away from its first item, channel 66 blank between two channels.
    ChannelStore& store = session.config.channels;
    store.freq[0][0] = store.freq[1][0] = "145.00000";
    store.name[0] = "ALPHA";
    store.listIndex[0][0] = 0;   // decode tone Off
    store.listIndex[1][0] = 12;  // an encode tone
    store.itemText[1][0] = "88.5";
    for (int k = 2; k <= 7; ++k)
        store.listIndex[k][0] = 1;
    store.freq[0][64] = store.freq[1][64] = "435.00000";
    store.freq[0][66] = store.freq[1][66] = "436.00000";
    store.name[65] = "KEPT";  // a blank channel's name bytes, as a read delivers them
    window->channelWindow()->refresh();

    struct Cell {
        int group;
        int row;
        int column;
        const char* en;
        const char* zh;
    };
    const Cell cells[] = {
        {1, 1, 1, "145.00000", "145.00000"},
        {1, 1, 3, "Off", "关闭"},
        {1, 1, 4, "88.5", "88.5"},
        {1, 1, 5, "High", "高"},
        {1, 1, 6, "Off", "关"},
        {1, 1, 7, "On", "使能"},
        {1, 1, 8, "wide", "宽带"},
        {1, 1, 9, "", ""},
        {1, 1, 10, "Off", "关"},
        {1, 1, 11, "ALPHA", "ALPHA"},
        {2, 2, 1, "", ""},
        {2, 2, 11, "", ""},
        {2, 2, 5, "", ""},
        {2, 1, 1, "435.00000", "435.00000"},
        {2, 3, 1, "436.00000", "436.00000"},
    };
    for (int language : {kChinese, kEnglish, kChinese}) {
        setLanguage(language);
        for (const Cell& c : cells) {
            const QTableWidgetItem* item = window->channelWindow()->grid(c.group)->item(c.row - 1, c.column);
            ASSERT_NE(item, nullptr);
            EXPECT_EQ(item->text().toStdString(), language == kChinese ? c.zh : c.en)
                << "group " << c.group << " row " << c.row << " column " << c.column << " language "
                << language;
        }
        // A switch changes texts only: the blank channel's row is empty, its stored bytes go back unchanged.
        EXPECT_EQ(store.name[65], "KEPT");
        EXPECT_EQ(store.listIndex[3][0], 1);
    }
}

TEST_F(Languages, PortListMovesByAThousandTwipsAndNothingElseMoves) {
    window->show();
    QApplication::processEvents();
    auto* ports = qobject_cast<QComboBox*>(window->control("ComboCom"));
    ASSERT_NE(ports, nullptr);
    auto place = [&](int language) {
        setLanguage(language);
        return ports->geometry();
    };
    const QRect chinese = place(kChinese);
    const QRect english = place(kEnglish);
    EXPECT_EQ(english.x() - chinese.x(), 1000 * window->logicalDpiX() / 1440);
    EXPECT_EQ(english.y(), chinese.y());
    EXPECT_EQ(english.width(), chinese.width());
    EXPECT_EQ(place(kChinese), chinese);
}

}  // namespace
}  // namespace zrt

namespace zrt {
namespace {

TEST_F(Languages, AMessageOnShowFollowsTheSwitch) {
    FmWindow* fm = window->fmWindow();
    auto* vfo = fm->findChild<QLineEdit*>(QStringLiteral("Text2"));
    auto* line = fm->findChild<QLabel*>(QStringLiteral("Label2"));
    ASSERT_TRUE(vfo && line);
    vfo->setText(QStringLiteral("120"));
    fm->commitVfo();
    ASSERT_TRUE(fm->messageShown());
    EXPECT_EQ(line->text().toStdString(), "Beyond the scope of frequency(87-107.9), please input again.");
    setLanguage(kChinese);
    EXPECT_EQ(line->text().toStdString(), "超出频率范围(87-107.9)，请重输。");
    setLanguage(kEnglish);
    EXPECT_EQ(line->text().toStdString(), "Beyond the scope of frequency(87-107.9), please input again.");
}

}  // namespace
}  // namespace zrt
