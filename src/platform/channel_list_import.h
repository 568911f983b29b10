// Import Channels of the window and `import` of the command line: one operation, so both refuse the same
// files and report the same notes in the same order. The list is read and checked into a copy of the
// session's channels; the caller decides, after the report, whether the copy replaces them. QtCore only.
#pragma once

#include <QString>

#include "config/channel_csv.h"

namespace zrt {

class Session;

struct ChannelListImport {
    enum class Failure {
        None,
        Unreadable,  // msg::kFileOpenFailed, followed by the path
        TooLarge,    // kCsvTooLarge (i18n/channel_csv_texts.h), followed by the path
    } failure = Failure::None;
    CsvImport result;            // when read; result.fileRefused for a file that is no channel list
    std::vector<CsvNote> notes;  // the refusals and the changes in the order of the file's lines
    ChannelStore channels;       // the session's channels with every accepted row in place
};

// Reads at most kMaxChannelCsvBytes of the file and checks its rows for the session's band.
ChannelListImport importChannelList(const Session& session, const QString& path,
                                    CsvImportOptions options = {});

// Puts the imported channels into the session, as one edit of every channel.
void applyChannelList(Session& session, ChannelListImport&& import);

}  // namespace zrt
