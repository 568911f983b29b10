#include "cli/radio_runner.h"

#include <QEventLoop>

#include "cli/cli_texts.h"
#include "cli/console.h"
#include "link/transfer.h"
#include "platform/link_driver.h"
#include "session/session.h"

namespace zrt::cli {

link::Outcome runTransfer(Session& session, RadioPort& port, Console& console, RunOptions options) {
    LinkDriver driver(session, port);
    QEventLoop loop;
    std::optional<link::Outcome> outcome;

    LinkDriver::Handlers h;
    h.progress = [&](int value) { console.progress(value, link::Transfer::kLastStep); };
    h.forceQuestion = [&] {
        console.progressEnd();
        console.err(console.text(msg::kForceBandQuestion.text) + " " +
                    (options.forceAnswer ? console.text(kAnsweredOk) : std::string()));
        return options.forceAnswer;
    };
    h.closeProgress = [&] { console.progressEnd(); };
    h.message = [&](const msg::Message& m) {
        if (options.quietSuccess && m.style == msg::kStyleOk) return;
        console.message(m);
    };
    h.finished = [&](link::Outcome o) {
        outcome = o;
        loop.quit();
    };
    driver.setHandlers(std::move(h));

    console.progressStart(options.write ? msg::kWritingCaption : msg::kReadingCaption);
    if (options.write)
        driver.startWrite();
    else
        driver.startRead();
    if (!outcome) loop.exec();
    console.progressEnd();
    return *outcome;
}

}  // namespace zrt::cli
