#include "platform/data_file_io.h"

#include <QFile>
#include <QSaveFile>

#include "datafile/data_file.h"
#include "image/address_map.h"
#include "session/session.h"

namespace zrt {

const msg::Message& fileResultMessage(FileResult result) {
    switch (result) {
        case FileResult::WrongType:
            return msg::kFileTypeIncorrect;
        case FileResult::WriteFailed:
            return msg::kFileSaveFailed;
        case FileResult::Done:
        case FileResult::ReadFailed:
            break;
    }
    return msg::kFileOpenFailed;
}

bool fileResultNamesPath(FileResult result) {
    return result == FileResult::ReadFailed || result == FileResult::WriteFailed;
}

std::optional<QByteArray> readFileBytes(const QString& path, qint64 maxBytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray data = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return data;
}

FileResult openDataFile(Session& session, const QString& path) {
    // Nothing past the 3120 bytes of a data file is ever looked at.
    const std::optional<QByteArray> data = readFileBytes(path, static_cast<qint64>(datafile::kFileSize));
    if (!data) return FileResult::ReadFailed;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data->constData());
    // What the file does not hold stays as it was; a file that is refused changes nothing.
    MemoryImage image = session.imageIn();
    if (!datafile::load(std::span(bytes, static_cast<std::size_t>(data->size())), image))
        return FileResult::WrongType;
    session.decode(image);
    return FileResult::Done;
}

FileResult openRawDataFile(Session& session, const QString& path) {
    const FileResult opened = openDataFile(session, path);
    if (opened != FileResult::Done) return opened;
    MemoryImage image = session.imageIn();
    // No file holds the spare byte: it goes out as 0x00.
    image.set(addr::kSpare, 0x00);
    session.setImageOut(image);
    return FileResult::Done;
}

FileResult saveDataFile(Session& session, const QString& path) {
    session.encode();
    return saveImageAsDataFile(session.imageOut(), path);
}

FileResult saveImageAsDataFile(const MemoryImage& image, const QString& path) {
    return writeFileSafely(path, datafile::serialize(image)) ? FileResult::Done : FileResult::WriteFailed;
}

bool writeFileSafely(const QString& path, std::span<const std::uint8_t> bytes) {
    QSaveFile file(path);
    // Unbuffered, so that a short write (disk full) shows in write()'s count: a buffered device drops the
    // rest of a short write at commit() and still reports success.
    const auto size = static_cast<qint64>(bytes.size());
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         file.write(reinterpret_cast<const char*>(bytes.data()), size) == size &&
                         file.commit();
    if (!written) file.cancelWriting();
    return written;
}

bool writeFileSafely(const QString& path, const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    return writeFileSafely(path, std::span(data, static_cast<std::size_t>(bytes.size())));
}

}  // namespace zrt
