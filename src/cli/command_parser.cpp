#include "cli/command_parser.h"

#include "cli/commands.h"
#include "cli/console.h"
#include "config/text.h"

namespace zrt::cli {

namespace {
const QCommandLineOption kLangOption(QStringLiteral("lang"),
                                     QStringLiteral("Messages in Chinese (zh) or English (en, the default)."),
                                     QStringLiteral("LANG"));
}

CommandParser::CommandParser(const QString& command, const QString& description,
                             const QList<QPair<QString, QString>>& positional)
    : positionalCount_(static_cast<int>(positional.size()) + 1) {
    parser_.setApplicationDescription(description);
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addHelpOption();
    parser_.addOption(kLangOption);
    // The command is the first positional argument, so that the usage line names it.
    parser_.addPositionalArgument(command, QStringLiteral("The command."), command);
    for (const auto& [name, help] : positional)
        parser_.addPositionalArgument(name, help);
}

std::optional<int> CommandParser::parse(const QStringList& args, Console& console) {
    if (!parser_.parse(args)) {
        console.err(parser_.errorText().toStdString());
        console.err(QStringLiteral("%1 %2 --help").arg(args.value(0), args.value(1)).toStdString());
        return kExitUsage;
    }
    if (parser_.isSet(QStringLiteral("help"))) {
        console.out(parser_.helpText().toStdString());
        return kExitOk;
    }
    if (parser_.positionalArguments().size() != positionalCount_) {
        console.err(parser_.helpText().toStdString());
        return kExitUsage;
    }
    return std::nullopt;
}

int languageOf(const QStringList& args) {
    for (int i = 0; i < args.size(); ++i) {
        QString value;
        if (args[i] == QLatin1String("--lang") && i + 1 < args.size())
            value = args[i + 1];
        else if (args[i].startsWith(QLatin1String("--lang=")))
            value = args[i].mid(7);
        else
            continue;
        return value.startsWith(QLatin1String("zh"), Qt::CaseInsensitive) ? kChinese : kEnglish;
    }
    return kEnglish;
}

}  // namespace zrt::cli
