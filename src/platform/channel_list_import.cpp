#include "platform/channel_list_import.h"

#include "platform/data_file_io.h"
#include "session/session.h"

namespace zrt {

ChannelListImport importChannelList(const Session& session, const QString& path, CsvImportOptions options) {
    ChannelListImport out;
    constexpr auto kLimit = static_cast<qint64>(kMaxChannelCsvBytes);
    const std::optional<QByteArray> data = readFileBytes(path, kLimit + 1);
    if (!data) {
        out.failure = ChannelListImport::Failure::Unreadable;
        return out;
    }
    if (data->size() > kLimit) {
        out.failure = ChannelListImport::Failure::TooLarge;
        return out;
    }
    out.channels = session.config().channels;
    out.result =
        importChannelsCsv(std::string_view(data->constData(), static_cast<std::size_t>(data->size())),
                          out.channels, session.config().band, options);
    out.notes = out.result.notes();
    return out;
}

void applyChannelList(Session& session, ChannelListImport&& import) {
    session.edit(Change::channels(1, kChannelCount),
                 [&](Configuration& config) { config.channels = std::move(import.channels); });
}

}  // namespace zrt
