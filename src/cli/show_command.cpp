// show: a data file's configuration as readable tables in the windows' own words, or as one JSON object.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "config/channel_lists.h"
#include "config/channel_table.h"
#include "i18n/calibration_captions.h"
#include "i18n/channel_captions.h"
#include "i18n/features_captions.h"
#include "i18n/fm_captions.h"
#include "i18n/main_window_captions.h"
#include "platform/data_file_io.h"
#include "platform/qt_text.h"
#include "session/session.h"

namespace zrt::cli {

namespace {

using Rows = std::vector<std::vector<std::string>>;

// ---- The windows' words ----------------------------------------------------------------------------

Text caption(std::span<const Caption> table, std::string_view control, CaptionProp prop, int index = 0) {
    for (const Caption& c : table)
        if (c.control == control && c.prop == prop && c.index == index) return c.text;
    return {};
}

std::string withoutColon(std::string_view s) {
    while (!s.empty() && (s.back() == ':' || s.back() == ' '))
        s.remove_suffix(1);
    return std::string(s);
}

// "KeyLock Mode:" gives key_lock_mode, "VOX Delay Time(s):" vox_delay_time_s.
std::string snakeCase(std::string_view caption) {
    const std::string s = withoutColon(caption);
    std::string out;
    bool gap = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        const bool lower = c >= 'a' && c <= 'z', upper = c >= 'A' && c <= 'Z', digit = c >= '0' && c <= '9';
        if (!lower && !upper && !digit) {
            gap = true;
            continue;
        }
        if (upper && i > 0 && s[i - 1] >= 'a' && s[i - 1] <= 'z') gap = true;  // camel case
        if (gap && !out.empty()) out += '_';
        gap = false;
        out += upper ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

// Byte texts of the radio (names, display characters) as UTF-8; for a table, control characters (which
// an image may hold) as '?', so that they cannot upset the terminal.
std::string shown(const std::string& bytes, bool forTable) {
    QString s = fromBytes(bytes);
    if (forTable)
        for (QChar& c : s)
            if (c.unicode() < 0x20 || c.unicode() == 0x7F || (c.unicode() >= 0x80 && c.unicode() < 0xA0))
                c = u'?';
    return s.toStdString();
}

// ---- The fields of the optional-features window ------------------------------------------------------

struct Field {
    Text caption;
    std::string value;  // in the language asked for
};

enum class Block { Features, VfoA, VfoB };

Block blockOf(FeatureList f) {
    const int i = static_cast<int>(f);
    if (i < static_cast<int>(FeatureList::Combo22)) return Block::Features;
    if (i < static_cast<int>(FeatureList::Combo46)) return Block::VfoA;
    return Block::VfoB;
}

Block blockOf(FeatureText f) {
    switch (f) {
        case FeatureText::Text20:
        case FeatureText::Text21:
            return Block::VfoA;
        case FeatureText::Text3:
        case FeatureText::Text4:
            return Block::VfoB;
        default:
            return Block::Features;
    }
}

// The fields the window shows in one block (hidden fields left out), texts first in the VFO blocks as
// the window has them on top.
std::vector<Field> fields(const Features& features, Block block, int language, bool forTable) {
    std::vector<Field> lists, texts;
    for (const FeatureListInfo& info : featureLists())
        if (!info.hidden && blockOf(info.id) == block)
            lists.push_back({info.caption, featureItemText(info.id, features[info.id], language)});
    for (const FeatureTextInfo& info : featureTexts())
        if (blockOf(info.id) == block) texts.push_back({info.caption, shown(features.*info.value, forTable)});
    if (block == Block::Features) {
        lists.insert(lists.end(), texts.begin(), texts.end());
        return lists;
    }
    texts.insert(texts.end(), lists.begin(), lists.end());
    return texts;
}

// ---- Text tables -----------------------------------------------------------------------------------

// Columns a terminal gives a character: two for the wide characters of Chinese.
int displayWidth(const std::string& utf8) {
    int width = 0;
    for (const QChar c : QString::fromStdString(utf8)) {
        if (c.isLowSurrogate()) continue;
        const char16_t u = c.unicode();
        const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
                          (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
                          (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
                          (u >= 0xFFE0 && u <= 0xFFE6);
        width += wide ? 2 : 1;
    }
    return width;
}

void printTable(const Console& console, const Rows& rows, const std::string& indent = {}) {
    std::vector<int> widths;
    for (const auto& row : rows)
        for (std::size_t k = 0; k < row.size(); ++k) {
            if (widths.size() <= k) widths.push_back(0);
            widths[k] = std::max(widths[k], displayWidth(row[k]));
        }
    for (const auto& row : rows) {
        std::string line = indent;
        for (std::size_t k = 0; k < row.size(); ++k) {
            line += row[k];
            if (k + 1 < row.size())
                line += std::string(static_cast<std::size_t>(widths[k] - displayWidth(row[k]) + 2), ' ');
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        console.out(line);
    }
}

void heading(const Console& console, const Text& title) {
    console.out("");
    console.out(console.text(title));
}

void printFields(const Console& console, const std::vector<Field>& list) {
    Rows rows;
    for (const Field& f : list)
        rows.push_back({console.text(f.caption), f.value});
    printTable(console, rows, "  ");
}

constexpr int kChannelColumns[] = {kLabelColumn, 1, 2, 3, 4, 5, 6, 7, 8, 10, kNameColumn};

std::string cellText(const ChannelStore& store, int n, int column, int language, bool forTable) {
    const std::string text = channelCellText(store, n, column, language);
    return column == kNameColumn ? shown(text, forTable) : text;
}

std::string fmListText(int position, std::span<const std::string_view> items) {
    return position >= 0 && position < static_cast<int>(items.size()) ? std::string(items[position])
                                                                      : std::string();
}

std::string fmDisplayText(int position, int language) {
    if (position < 0 || position >= kFmDisplayModeCount) return {};
    return std::string(caption(fmCaptions(), "Combo1_1", CaptionProp::Item, position).in(language));
}

void printTables(const Session& session, const Console& console) {
    const Configuration& config = session.config;
    const int language = console.language();

    console.out(console.text(caption(mainWindowCaptions(), "Label1", CaptionProp::Text)) + " " +
                std::string(kBands[static_cast<std::size_t>(config.band.listIndex)].text));

    heading(console, caption(channelWindowCaptions(), "", CaptionProp::WindowTitle));
    Rows channels;
    std::vector<std::string> header;
    for (int column : kChannelColumns)
        header.push_back(
            console.text(caption(channelWindowCaptions(), kGrid1Name, CaptionProp::Header, column)));
    channels.push_back(header);
    for (int n = 1; n <= kChannelCount; ++n) {
        if (config.channels.isEmpty(n)) continue;
        std::vector<std::string> row{rowLabel(groupOf(n), rowOf(n))};
        for (int column : kChannelColumns)
            if (column != kLabelColumn) row.push_back(cellText(config.channels, n, column, language, true));
        channels.push_back(row);
    }
    printTable(console, channels, "  ");

    heading(console, caption(featuresCaptions(), "", CaptionProp::WindowTitle));
    printFields(console, fields(config.features, Block::Features, language, true));
    heading(console, caption(featuresCaptions(), "Frame3", CaptionProp::Title));
    printFields(console, fields(config.features, Block::VfoA, language, true));
    heading(console, caption(featuresCaptions(), "Frame5", CaptionProp::Title));
    printFields(console, fields(config.features, Block::VfoB, language, true));

    const auto fm = fmCaptions();
    heading(console, caption(fm, "", CaptionProp::WindowTitle));
    printTable(
        console,
        {{console.text(caption(fm, "Label1_0", CaptionProp::Text)), std::to_string(config.fm.currentChannel)},
         {console.text(caption(fm, "Label1_1", CaptionProp::Text)),
          fmDisplayText(config.fm.displayMode, language)},
         {console.text(caption(fm, "Label1_3", CaptionProp::Text)), config.fm.vfoFreq}},
        "  ");
    Rows presets{{console.text(caption(fm, "MSFGrid", CaptionProp::Header, 0)),
                  console.text(caption(fm, "MSFGrid", CaptionProp::Header, 1))}};
    for (int k = 0; k < kFmChannels; ++k)
        presets.push_back({std::to_string(k + 1), config.fm.channelFreq[static_cast<std::size_t>(k)]});
    printTable(console, presets, "  ");

    const auto calib = calibrationCaptions();
    heading(console, caption(calib, "", CaptionProp::WindowTitle));
    Rows values{{""}};
    for (int section = 0; section < 3; ++section)
        values[0].push_back(
            console.text(caption(calib, "Label1_" + std::to_string(section), CaptionProp::Text)));
    for (int group = 0; group < 2; ++group)
        for (int grade = 0; grade < 3; ++grade) {
            std::vector<std::string> row{
                console.text(caption(calib, "SSTab1", CaptionProp::Tab, group)) + " " +
                console.text(caption(calib, "Frame1_" + std::to_string(grade), CaptionProp::Title))};
            for (int section = 0; section < 3; ++section)
                row.push_back(std::to_string(
                    config.calib.values[static_cast<std::size_t>(calibIndex(group, grade, section))]));
            values.push_back(row);
        }
    printTable(console, values, "  ");
}

// ---- JSON ------------------------------------------------------------------------------------------

QJsonObject fieldObject(const std::vector<Field>& list) {
    QJsonObject o;
    for (const Field& f : list)
        o.insert(qs(snakeCase(f.caption.en)), qs(f.value));
    return o;
}

QJsonDocument json(const Session& session) {
    const Configuration& config = session.config;
    QJsonObject root;
    root.insert(QStringLiteral("band"), qs(kBands[static_cast<std::size_t>(config.band.listIndex)].text));

    QJsonArray channels;
    for (int n = 1; n <= kChannelCount; ++n) {
        if (config.channels.isEmpty(n)) continue;
        auto cell = [&](int column) { return qs(cellText(config.channels, n, column, kEnglish, false)); };
        channels.append(QJsonObject{
            {QStringLiteral("channel"), n},
            {QStringLiteral("group"), groupOf(n) == kGroupA ? QStringLiteral("A") : QStringLiteral("B")},
            {QStringLiteral("rx"), cell(kRxColumn)},
            {QStringLiteral("tx"), cell(kTxColumn)},
            {QStringLiteral("rx_tone"), cell(kDecodeToneColumn)},
            {QStringLiteral("tx_tone"), cell(kEncodeToneColumn)},
            {QStringLiteral("power"), cell(5)},
            {QStringLiteral("busy_lock"), cell(6)},
            {QStringLiteral("scan"), cell(7)},
            {QStringLiteral("bandwidth"), cell(8)},
            {QStringLiteral("scramble"), cell(10)},
            {QStringLiteral("name"), cell(kNameColumn)},
        });
    }
    root.insert(QStringLiteral("channels"), channels);
    root.insert(QStringLiteral("features"),
                fieldObject(fields(config.features, Block::Features, kEnglish, false)));
    root.insert(QStringLiteral("vfo_a"), fieldObject(fields(config.features, Block::VfoA, kEnglish, false)));
    root.insert(QStringLiteral("vfo_b"), fieldObject(fields(config.features, Block::VfoB, kEnglish, false)));

    QJsonArray presets;
    for (int k = 0; k < kFmChannels; ++k)
        presets.append(qs(config.fm.channelFreq[static_cast<std::size_t>(k)]));
    root.insert(
        QStringLiteral("fm"),
        QJsonObject{{QStringLiteral("channels"), presets},
                    {QStringLiteral("start_channel"), config.fm.currentChannel},
                    {QStringLiteral("display_mode"), qs(fmDisplayText(config.fm.displayMode, kEnglish))},
                    {QStringLiteral("step"), qs(fmListText(config.fm.step, kFmStepItems))},
                    {QStringLiteral("vfo"), qs(config.fm.vfoFreq)}});

    QJsonArray calibration;
    for (int v : config.calib.values)
        calibration.append(v);
    root.insert(QStringLiteral("calibration"), calibration);
    return QJsonDocument(root);
}

}  // namespace

int showCommand(const QStringList& args, Console& console) {
    CommandParser p(QStringLiteral("show"),
                    QStringLiteral("Prints the configuration of a data file: the set channels, the optional "
                                   "features, both VFOs, the FM presets and the calibration values."),
                    {{QStringLiteral("FILE.dat"), QStringLiteral("The data file to open.")}});
    const QCommandLineOption asJson(
        QStringLiteral("json"), QStringLiteral("One JSON object, with the English texts of the windows."));
    p.options().addOption(asJson);
    if (auto status = p.parse(args, console)) return *status;
    Session session;
    const QString path = p.positional(0);
    if (!console.fileDone(openDataFile(session, path), path)) return kExitFailed;
    if (p.options().isSet(asJson))
        console.out(json(session).toJson(QJsonDocument::Indented).toStdString());
    else
        printTables(session, console);
    return kExitOk;
}

}  // namespace zrt::cli
