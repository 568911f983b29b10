// What the command line prints: the program's messages in the chosen language (failures to standard
// error, everything else to standard output) and, on a terminal, a progress bar during transfers.
#pragma once

#include <QString>
#include <cstdio>
#include <string>
#include <string_view>

#include "config/messages.h"
#include "platform/data_file_io.h"

namespace zrt::cli {

class Console {
  public:
    explicit Console(int languageIndex);

    int language() const { return language_; }
    std::string text(const Text& t) const { return std::string(t.in(language_)); }

    void out(std::string_view line) const;  // a line to standard output
    void err(std::string_view line) const;  // a line to standard error
    // A program message: its text, followed by `detail` (a file's path). Messages with an icon (mistakes)
    // go to standard error, the others to standard output.
    void message(const msg::Message& m, const QString& detail = {}) const;

    // True for a file command that was done; otherwise prints its message (with the path where it names
    // one).
    bool fileDone(FileResult result, const QString& path) const;

    // The progress bar of a transfer on standard error, only when that is a terminal.
    void progressStart(const Text& caption);
    void progress(int value, int maximum);
    void progressEnd();

  private:
    int language_;
    bool terminal_;
    bool progressShown_ = false;
    std::string caption_;
    int lastPercent_ = -1;
};

}  // namespace zrt::cli
