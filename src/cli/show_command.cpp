// show: a data file's configuration as readable tables in the windows' own words, or as one JSON object.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "config/channel_table.h"
#include "i18n/backup_captions.h"
#include "i18n/config_comparison.h"
#include "i18n/config_description.h"
#include "platform/data_file_io.h"
#include "platform/qt_text.h"
#include "session/session.h"

namespace zrt::cli {

namespace {

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

void printTable(const Console& console, Rows rows, const std::string& indent = {}) {
    std::vector<int> widths;
    for (auto& row : rows)
        for (std::size_t k = 0; k < row.size(); ++k) {
            row[k] = printableText(row[k]);  // so that no control character upsets the terminal
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

void heading(const Console& console, const std::string& title) {
    console.out("");
    console.out(title);
}

Rows fieldRows(const std::vector<CaptionedValue>& fields) {
    Rows rows;
    for (const CaptionedValue& f : fields)
        rows.push_back({f.caption, f.value});
    return rows;
}

Rows tableRows(const CaptionedTable& table) {
    Rows rows{table.header};
    rows.insert(rows.end(), table.rows.begin(), table.rows.end());
    return rows;
}

void printTables(const Session& session, const Console& console) {
    const ConfigDescription d = describeConfiguration(session.config(), console.language());
    console.out(d.band.caption + " " + d.band.value);
    heading(console, d.channels.title);
    printTable(console, tableRows(d.channels), "  ");
    for (const CaptionedGroup& group : d.features) {
        heading(console, group.title);
        printTable(console, fieldRows(group.fields), "  ");
    }
    heading(console, d.fm.title);
    printTable(console, fieldRows(d.fm.fields), "  ");
    printTable(console, tableRows(d.fmChannels), "  ");
    heading(console, d.calibration.title);
    printTable(console, tableRows(d.calibration), "  ");
}

// ---- JSON ------------------------------------------------------------------------------------------

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

QJsonObject fieldObject(const CaptionedGroup& group) {
    QJsonObject o;
    for (const CaptionedValue& f : group.fields)
        o.insert(qs(snakeCase(f.caption)), qs(f.value));
    return o;
}

std::string fmListText(int position, std::span<const std::string_view> items) {
    return position >= 0 && position < static_cast<int>(items.size()) ? std::string(items[position])
                                                                      : std::string();
}

QJsonDocument json(const Session& session) {
    const Configuration& config = session.config();
    const ConfigDescription d = describeConfiguration(config, kEnglish);
    QJsonObject root;
    root.insert(QStringLiteral("band"), qs(d.band.value));

    QJsonArray channels;
    for (int n = 1; n <= kChannelCount; ++n) {
        if (config.channels.isEmpty(n)) continue;
        const Channel& channel = config.channels[static_cast<std::size_t>(n - 1)];
        auto field = [&](ChannelList list) { return qs(channelFieldText(channel, list, kEnglish)); };
        channels.append(QJsonObject{
            {QStringLiteral("channel"), n},
            {QStringLiteral("group"), groupOf(n) == kGroupA ? QStringLiteral("A") : QStringLiteral("B")},
            {QStringLiteral("rx"), qs(channel.rxFrequency)},
            {QStringLiteral("tx"), qs(channel.txFrequency)},
            {QStringLiteral("rx_tone"), field(ChannelList::DecodeTone)},
            {QStringLiteral("tx_tone"), field(ChannelList::EncodeTone)},
            {QStringLiteral("power"), field(ChannelList::Power)},
            {QStringLiteral("busy_lock"), field(ChannelList::BusyLock)},
            {QStringLiteral("scan"), field(ChannelList::Scan)},
            {QStringLiteral("bandwidth"), field(ChannelList::Bandwidth)},
            {QStringLiteral("scramble"), field(ChannelList::Scramble)},
            {QStringLiteral("name"), fromBytes(channel.name)},
        });
    }
    root.insert(QStringLiteral("channels"), channels);
    root.insert(QStringLiteral("features"), fieldObject(d.features[0]));
    root.insert(QStringLiteral("vfo_a"), fieldObject(d.features[1]));
    root.insert(QStringLiteral("vfo_b"), fieldObject(d.features[2]));

    QJsonArray presets;
    for (int k = 0; k < kFmChannels; ++k)
        presets.append(qs(config.fm.channelFreq[static_cast<std::size_t>(k)]));
    root.insert(QStringLiteral("fm"),
                QJsonObject{{QStringLiteral("channels"), presets},
                            {QStringLiteral("start_channel"), config.fm.currentChannel},
                            {QStringLiteral("display_mode"), qs(d.fm.fields[1].value)},
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

    const bool json = p.options().isSet(asJson);
    const int language = json ? kEnglish : console.language();
    const std::vector<CaptionedDifference> differences =
        compareConfigurations(a.config(), b.config(), language);
    if (json) {
        QJsonArray list;
        for (const CaptionedDifference& d : differences) {
            QJsonObject o{{QStringLiteral("place"), qs(d.place)},
                          {QStringLiteral("field"), qs(d.caption)},
                          {QStringLiteral("a"), qs(d.a)},
                          {QStringLiteral("b"), qs(d.b)}};
            if (d.channel > 0) {
                o.insert(QStringLiteral("channel"), d.channel);
                o.insert(QStringLiteral("group"),
                         groupOf(d.channel) == kGroupA ? QStringLiteral("A") : QStringLiteral("B"));
                o.insert(QStringLiteral("number"), rowOf(d.channel));
            }
            list.append(o);
        }
        console.out(QJsonDocument(list).toJson(QJsonDocument::Indented).toStdString());
    } else if (!differences.empty()) {
        Rows rows{{console.text(backup_text::kWhere), console.text(backup_text::kField), pathA.toStdString(),
                   pathB.toStdString()}};
        for (const CaptionedDifference& d : differences)
            rows.push_back({d.place, d.caption, d.a, d.b});
        printTable(console, rows);
    }
    return differences.empty() ? kExitOk : kExitFailed;
}

}  // namespace zrt::cli
