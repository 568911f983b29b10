// The part of every command's argument handling that they share: --help, --lang, the positional
// arguments, and the usage errors.
#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <optional>

namespace zrt::cli {

class Console;

class CommandParser {
  public:
    // description: one paragraph for --help; positional: (name, help) pairs after the command's name, all
    // required.
    CommandParser(const QString& command, const QString& description,
                  const QList<QPair<QString, QString>>& positional);

    QCommandLineParser& options() { return parser_; }

    // Parses the whole command line (program, command, arguments); nothing when the command may go on,
    // else the exit status (help shown, or a usage error printed).
    std::optional<int> parse(const QStringList& args, Console& console);
    // The positional arguments after the command's name.
    QString positional(int index) const { return parser_.positionalArguments().value(index + 1); }

  private:
    QCommandLineParser parser_;
    int positionalCount_;
};

// The language a command line asks for with --lang: Chinese for "zh" (any "zh..."), English otherwise.
int languageOf(const QStringList& args);

}  // namespace zrt::cli
