#include "cli/console.h"

#include <unistd.h>

#include <algorithm>

namespace zrt::cli {

namespace {
constexpr int kBarWidth = 30;
}

Console::Console(int languageIndex) : language_(languageIndex), terminal_(::isatty(STDERR_FILENO) == 1) {}

void Console::out(std::string_view line) const {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void Console::err(std::string_view line) const {
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

void Console::message(const msg::Message& m, const QString& detail) const {
    const std::string line = text(m.text) + detail.toStdString();
    if (m.style == msg::kStyleOk)
        out(line);
    else
        err(line);
}

bool Console::fileDone(FileResult result, const QString& path) const {
    if (result == FileResult::Done) return true;
    message(fileResultMessage(result), fileResultNamesPath(result) ? path : QString());
    return false;
}

void Console::progressStart(const Text& caption) {
    caption_ = text(caption);
    lastPercent_ = -1;
    progressShown_ = false;
}

void Console::progress(int value, int maximum) {
    if (!terminal_ || maximum <= 0) return;
    const int percent = std::clamp(value * 100 / maximum, 0, 100);
    if (percent == lastPercent_) return;
    lastPercent_ = percent;
    const int filled = percent * kBarWidth / 100;
    std::string bar = "\r" + caption_ + " [" + std::string(static_cast<std::size_t>(filled), '#') +
                      std::string(static_cast<std::size_t>(kBarWidth - filled), '.') + "] " +
                      std::to_string(percent) + "%";
    std::fputs(bar.c_str(), stderr);
    std::fflush(stderr);
    progressShown_ = true;
}

void Console::progressEnd() {
    if (!progressShown_) return;
    // Clears the bar's line, so that a message printed next starts at the left.
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    progressShown_ = false;
}

}  // namespace zrt::cli
