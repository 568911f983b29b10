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
#include "config/configuration_diff.h"
#include "i18n/backup_captions.h"
#include "i18n/calibration_captions.h"
#include "i18n/channel_captions.h"
#include "i18n/configuration_words.h"
#include "i18n/features_captions.h"
#include "i18n/fm_captions.h"
#include "i18n/main_window_captions.h"
#include "platform/data_file_io.h"
#include "platform/qt_text.h"
#include "session/session.h"

namespace zrt::cli {

namespace {

using namespace zrt::words;
using Rows = std::vector<std::vector<std::string>>;

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

namespace zrt::cli {

int diffCommand(const QStringList& args, Console& console) {
    CommandParser p(
        QStringLiteral("diff"),
        QStringLiteral("Compares two data files by meaning, field by field in the windows' words: each "
                       "channel's cells, the optional features and both VFOs, the FM presets and "
                       "settings, the calibration values. Prints nothing and exits with 0 when they are "
                       "the same, lists the differences and exits with 1 when not, exits with 2 when a "
                       "file cannot be opened."),
        {{QStringLiteral("A.dat"), QStringLiteral("The first data file.")},
         {QStringLiteral("B.dat"), QStringLiteral("The second data file.")}});
    const QCommandLineOption asJson(QStringLiteral("json"),
                                    QStringLiteral("One JSON array of the differences, in English."));
    p.options().addOption(asJson);
    if (auto status = p.parse(args, console)) return *status;
    Session a, b;
    const QString pathA = p.positional(0), pathB = p.positional(1);
    if (!console.fileDone(openDataFile(a, pathA), pathA)) return kExitUsage;
    if (!console.fileDone(openDataFile(b, pathB), pathB)) return kExitUsage;

    const std::vector<FieldRef> differences = differingFields(a.config, b.config);
    if (p.options().isSet(asJson)) {
        QJsonArray list;
        for (const FieldRef& f : differences) {
            QJsonObject o{{QStringLiteral("place"), qs(place(f, kEnglish))},
                          {QStringLiteral("field"), qs(fieldKey(f))},
                          {QStringLiteral("caption"), qs(fieldCaption(f, kEnglish))},
                          {QStringLiteral("a"), qs(value(f, a.config, kEnglish, false))},
                          {QStringLiteral("b"), qs(value(f, b.config, kEnglish, false))}};
            if (f.area == FieldArea::Channel) {
                o.insert(QStringLiteral("channel"), f.index);
                o.insert(QStringLiteral("group"),
                         groupOf(f.index) == kGroupA ? QStringLiteral("A") : QStringLiteral("B"));
                o.insert(QStringLiteral("number"), rowOf(f.index));
            }
            list.append(o);
        }
        console.out(QJsonDocument(list).toJson(QJsonDocument::Indented).toStdString());
    } else if (!differences.empty()) {
        const int language = console.language();
        Rows rows{{console.text(backup_text::kWhere), console.text(backup_text::kField), pathA.toStdString(),
                   pathB.toStdString()}};
        for (const FieldRef& f : differences)
            rows.push_back({place(f, language), fieldCaption(f, language), value(f, a.config, language, true),
                            value(f, b.config, language, true)});
        printTable(console, rows);
    }
    return differences.empty() ? kExitOk : kExitFailed;
}

}  // namespace zrt::cli
