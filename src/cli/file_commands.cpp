// resave, export and import: data files and channel lists, without a radio.
#include "cli/cli_texts.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "config/channel_csv.h"
#include "i18n/channel_csv_texts.h"
#include "platform/channel_list_import.h"
#include "platform/data_file_io.h"
#include "session/session.h"

namespace zrt::cli {

int resaveCommand(const QStringList& args, Console& console) {
    CommandParser p(QStringLiteral("resave"),
                    QStringLiteral("Opens a data file and saves it again, exactly as the program's Open "
                                   "followed by Save."),
                    {{QStringLiteral("IN.dat"), QStringLiteral("The data file to open.")},
                     {QStringLiteral("OUT.dat"), QStringLiteral("The data file to save.")}});
    if (auto status = p.parse(args, console)) return *status;
    Session session;
    const QString in = p.positional(0), out = p.positional(1);
    if (!console.fileDone(openDataFile(session, in), in)) return kExitFailed;
    if (!console.fileDone(saveDataFile(session, out), out)) return kExitFailed;
    return kExitOk;
}

int exportCommand(const QStringList& args, Console& console) {
    CommandParser p(
        QStringLiteral("export"),
        QStringLiteral("Writes the channels of a data file as a channel list (CSV) in the generic "
                       "format of the open-source multi-radio programming tools."),
        {{QStringLiteral("FILE.dat"), QStringLiteral("The data file to open.")},
         {QStringLiteral("CHANNELS.csv"), QStringLiteral("The channel list to write.")}});
    if (auto status = p.parse(args, console)) return *status;
    Session session;
    const QString in = p.positional(0), out = p.positional(1);
    if (!console.fileDone(openDataFile(session, in), in)) return kExitFailed;
    const CsvExport csv = exportChannelsCsv(session.config().channels, session.config().band.limits);
    for (const CsvNote& note : csv.notes)
        console.err(csvNoteText(note, console.language()));
    if (!writeFileSafely(out, QByteArray::fromStdString(csv.text))) {
        console.message(msg::kFileSaveFailed, out);
        return kExitFailed;
    }
    console.out(fillText(console.text(kCsvExportSummary), {std::to_string(csv.channels)}));
    return kExitOk;
}

int importCommand(const QStringList& args, Console& console) {
    CommandParser p(
        QStringLiteral("import"),
        QStringLiteral("Puts the rows of a channel list (CSV) into the channels of a data file, each "
                       "checked as the channel editor checks a typed value, and saves the result. "
                       "Channels the list does not name keep their values. A refused row is "
                       "reported with its line; then nothing is saved unless --skip-bad is given."),
        {{QStringLiteral("CHANNELS.csv"), QStringLiteral("The channel list to read.")},
         {QStringLiteral("FILE.dat"),
          QStringLiteral("The data file whose configuration takes the channels.")}});
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The data file to save (may be FILE.dat itself)."),
                                    QStringLiteral("OUT.dat"));
    const QCommandLineOption skipBad(QStringLiteral("skip-bad"),
                                     QStringLiteral("Save the accepted rows even when some are refused."));
    const QCommandLineOption replace(QStringLiteral("replace"),
                                     QStringLiteral("Empty every channel the list does not name."));
    p.options().addOption(output);
    p.options().addOption(skipBad);
    p.options().addOption(replace);
    if (auto status = p.parse(args, console)) return *status;
    const QString csvPath = p.positional(0), in = p.positional(1), out = p.options().value(output);
    if (out.isEmpty()) {
        console.err(p.options().helpText().toStdString());
        return kExitUsage;
    }

    Session session;
    if (!console.fileDone(openDataFile(session, in), in)) return kExitFailed;
    ChannelListImport import = importChannelList(session, csvPath, {p.options().isSet(replace)});
    if (import.failure == ChannelListImport::Failure::Unreadable) {
        console.message(msg::kFileOpenFailed, csvPath);
        return kExitFailed;
    }
    if (import.failure == ChannelListImport::Failure::TooLarge) {
        console.err(console.text(kCsvTooLarge) + csvPath.toStdString());
        return kExitFailed;
    }
    const int language = console.language();
    for (const CsvNote& note : import.notes)
        console.err(csvNoteText(note, language));
    if (import.result.fileRefused) return kExitFailed;
    console.out(csvImportSummary(import.result, language));
    if (!import.result.refused.empty() && !p.options().isSet(skipBad)) {
        console.err(console.text(kCsvNothingWritten));
        return kExitFailed;
    }
    applyChannelList(session, std::move(import));
    if (!console.fileDone(saveDataFile(session, out), out)) return kExitFailed;
    return kExitOk;
}

}  // namespace zrt::cli
