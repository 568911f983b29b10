// Several radios from one command: read and write on many ports at once, and the programming station.
// Every port runs its own StationCycle; one event loop drives them all.
#pragma once

#include <QString>
#include <QStringList>

namespace zrt {
class Session;
}  // namespace zrt

namespace zrt::cli {

class Console;

// The device a --port value names: a port list entry 1 to 16 as the program numbers them, or a device as
// given.
QString deviceOf(const QString& given);
// Whether the --port values ask for several radios: more than one, a pattern of devices or `all`.
bool severalPorts(const QStringList& given);

// Writes the session's ImageOut (band, CrossBandWrite and CalibWrite as set in its configuration) to every
// port at once.
int fleetWrite(const QStringList& given, const Session& session, bool verify, Console& console);
// Reads every port at once into DIR, one data file per port named by port and time; with backup, each
// radio's memory also goes to the backups folder, as after every read.
int fleetRead(const QStringList& given, const QString& dir, bool raw, bool backup, Console& console);

}  // namespace zrt::cli
