// The commands of zr-t410-cli. Each takes its own arguments (the first being "zr-t410-cli COMMAND"), prints
// its help for --help, and returns the process's exit status.
#pragma once

#include <QStringList>

namespace zrt::cli {

class Console;

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the program refused or failed: its message was printed
inline constexpr int kExitUsage = 2;   // the command line itself was wrong
// Interrupted by a signal (Ctrl+C, a termination request): 128 + the signal's number, as shells report it.
inline constexpr int kExitSignalBase = 128;

int readCommand(const QStringList& args, Console& console);
int writeCommand(const QStringList& args, Console& console);
int stationCommand(const QStringList& args, Console& console);
int resaveCommand(const QStringList& args, Console& console);
int showCommand(const QStringList& args, Console& console);
int diffCommand(const QStringList& args, Console& console);
int printCommand(const QStringList& args, Console& console);
int exportCommand(const QStringList& args, Console& console);
int importCommand(const QStringList& args, Console& console);

}  // namespace zrt::cli
