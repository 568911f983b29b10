// Several radios from one command: read and write on many ports at once, and the programming station.
// Every port runs its own StationCycle; one event loop drives them all.
#pragma once

#include <QString>
#include <QStringList>

namespace zrt {
class MemoryImage;
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
// Reads every port at once into DIR, one data file per port named by port and time.
int fleetRead(const QStringList& given, const QString& dir, bool raw, Console& console);

// Where the automatic backup of every read goes in (a radio's memory as read, its band, the port): called
// once for every radio read, before its data file is saved.
void backupAfterRead(const MemoryImage& image, int band, const QString& device);

}  // namespace zrt::cli
