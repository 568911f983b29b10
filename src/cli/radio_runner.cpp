#include "cli/radio_runner.h"

#include <QCommandLineParser>
#include <QEventLoop>

#include "cli/cli_texts.h"
#include "cli/console.h"
#include "cli/interruption.h"
#include "link/transfer.h"
#include "platform/data_file_io.h"
#include "platform/link_driver.h"
#include "session/session.h"

namespace zrt::cli {

std::optional<link::Outcome> runTransfer(Session& session, RadioPort& port, Console& console,
                                         const Interruption& interruption, RunOptions options) {
    if (interruption.requested()) return std::nullopt;
    LinkDriver driver(session, port);
    QEventLoop loop;
    std::optional<link::Outcome> outcome;

    LinkDriver::Handlers h;
    h.progress = [&](int value) { console.progress(value, link::Transfer::kLastStep); };
    h.forceQuestion = [&](link::Question question) {
        // Only the band question has an option; the command line writes values from a file, so the other
        // question does not arise, and were it to, nothing is written.
        const bool ok = question == link::Question::ForceBand && options.forceAnswer;
        console.progressEnd();
        console.err(console.text(LinkDriver::questionMessage(question).text) + " " +
                    (ok ? console.text(kAnsweredOk) : std::string()));
        return ok;
    };
    const auto direction = options.write ? link::Transfer::Direction::Write : link::Transfer::Direction::Read;
    h.finished = [&, direction](link::Outcome o) {
        console.progressEnd();
        const msg::Message* m = LinkDriver::outcomeMessage(direction, o);
        if (m && !(options.quietSuccess && o == link::Outcome::Succeeded)) console.message(*m);
        outcome = o;
        loop.quit();
    };
    driver.setHandlers(std::move(h));
    QObject::connect(&interruption, &Interruption::arrived, &loop, &QEventLoop::quit);

    console.progressStart(options.write ? msg::kWritingCaption : msg::kReadingCaption);
    if (options.write)
        driver.startWrite(options.asItIs ? RadioTransfer::WriteImage::AsItIs
                                         : RadioTransfer::WriteImage::Encoded);
    else
        driver.startRead();
    if (!outcome && !interruption.requested()) loop.exec();
    console.progressEnd();
    return outcome;
}

void WriteFileOptions::addTo(QCommandLineParser& parser) const {
    parser.addOption(raw);
    parser.addOption(calibration);
    parser.addOption(forceBand);
}

bool WriteFileOptions::open(const QCommandLineParser& parser, const QString& path, Session& session,
                            Console& console) const {
    const bool asItIs = parser.isSet(raw);
    if (!console.fileDone(asItIs ? openRawDataFile(session, path) : openDataFile(session, path), path))
        return false;
    session.edit(Change::of({Part::Service}), [&](Configuration& config) {
        config.service.calibWrite = parser.isSet(calibration);
        config.service.crossBandWrite = parser.isSet(forceBand);
    });
    return true;
}

}  // namespace zrt::cli
