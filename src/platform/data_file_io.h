// Data files and other whole files on disk for the window's file commands and the command line: Open and
// Save of the session's configuration, and the safe writing of any file. QtCore only.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>

#include "config/messages.h"

namespace zrt {

class MemoryImage;
class Session;

enum class FileResult {
    Done,
    ReadFailed,   // msg::kFileOpenFailed, followed by the path
    WrongType,    // msg::kFileTypeIncorrect
    WriteFailed,  // msg::kFileSaveFailed, followed by the path
};

// The message of a failed result, and whether the file's path follows its text.
const msg::Message& fileResultMessage(FileResult result);
bool fileResultNamesPath(FileResult result);

// Open: the file's image goes into ImageIn and the decode runs. A file of another type or one that cannot
// be read changes nothing.
FileResult openDataFile(Session& session, const QString& path);
// Save: the encode fills ImageOut, which is written as a data file.
FileResult saveDataFile(Session& session, const QString& path);
// A data file holding an image's bytes as they are (a radio's memory as read), without any encode.
FileResult saveImageAsDataFile(const MemoryImage& image, const QString& path);

// Up to maxBytes of a file; nothing when it cannot be opened or read.
std::optional<QByteArray> readFileBytes(const QString& path, qint64 maxBytes);
// Writes a whole file that replaces the old one only once complete, so that a failure (full disk, pulled
// stick) never leaves a truncated file behind.
bool writeFileSafely(const QString& path, std::span<const std::uint8_t> bytes);
bool writeFileSafely(const QString& path, const QByteArray& bytes);

}  // namespace zrt
