// Conversions between the core's texts and Qt's strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "config/text.h"

namespace zrt {

// UTF-8 texts of the program (captions, messages, item texts).
inline QString qs(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }
inline QString qs(const Text& t, int languageIndex) { return qs(t.in(languageIndex)); }
inline std::string utf8(const QString& s) { return s.toStdString(); }

// Byte texts of the radio's single-byte fields (names, display characters, password): one char per byte.
inline QString fromBytes(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
inline std::string toBytes(const QString& s) {
    const QByteArray b = s.toLatin1();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

}  // namespace zrt
