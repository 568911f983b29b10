// print: a data file's configuration as a PDF document, as the program prints it.
#include <QDate>
#include <QFileInfo>
#include <QLocale>

#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "platform/data_file_io.h"
#include "print/print_document.h"
#include "session/session.h"

namespace zrt::cli {

int printCommand(const QStringList& args, Console& console) {
    CommandParser p(
        QStringLiteral("print"),
        QStringLiteral("Writes the configuration of a data file as a PDF document, as File > Print "
                       "prints it: the used channels, the optional features, both VFOs and the FM "
                       "channels that are set, in the language of --lang. The page is A4, or Letter "
                       "where the locale measures in US units."),
        {{QStringLiteral("FILE.dat"), QStringLiteral("The data file to open.")}});
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The PDF file to write."), QStringLiteral("OUT.pdf"));
    p.options().addOption(output);
    if (auto status = p.parse(args, console)) return *status;
    const QString in = p.positional(0), out = p.options().value(output);
    if (out.isEmpty()) {
        console.err(p.options().helpText().toStdString());
        return kExitUsage;
    }
    Session session;
    if (!console.fileDone(openDataFile(session, in), in)) return kExitFailed;
    const PrintHeading heading{QFileInfo(in).fileName(), QDate::currentDate()};
    if (!writeConfigurationPdf(out, session.config(), console.language(), heading,
                               defaultPageLayout(QLocale::system()))) {
        console.message(msg::kFileSaveFailed, out);
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace zrt::cli
