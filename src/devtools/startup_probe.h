// Start-up measurement: at the first exposed main window, prints the time since the process started and the
// resident memory, then quits. Behind a hidden option, for the performance figures.
#pragma once

#include <QElapsedTimer>

class QWidget;

namespace zrt {

// window must have been shown; sinceMain started as main() began.
void probeStartup(QWidget* window, QElapsedTimer sinceMain);

// Milliseconds since the process started (10 ms steps of the system's clock ticks); -1 where unknown.
double msSinceProcessStart();
// The resident memory in kB (VmRSS); -1 where unknown.
long residentKb();

}  // namespace zrt
