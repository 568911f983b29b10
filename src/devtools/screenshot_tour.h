// Pictures of every window in both languages, taken from the running program: the main window with a few
// channels, each editor window (both pages or tabs where it has two), the About box and the progress window.
// Run by the hidden --screenshot option, for the README and for looking over the layouts.
#pragma once

#include <QStringList>

#include "platform/port_names.h"

namespace zrt {

struct Configuration;
class MainWindow;

// A few channels in both groups, some FM presets: what a user's configuration might hold.
void fillSampleConfiguration(Configuration& config);

// Three serial adapters as a dealer's computer might have them, for the picture of the port list.
PortNames samplePortNames();
PortDescription samplePortDescription(const QString& device);

struct ScreenshotReport {
    QStringList saved;    // file names written into the folder
    QStringList failed;   // windows that could not be shown or saved
    QStringList clipped;  // captions cut by their controls, "file: control: 'text'"
    int windows = 0;      // windows per language
};

// Shows every window in English and in Chinese and saves DIR/<window>-<en|zh>.png.
ScreenshotReport takeScreenshots(MainWindow& window, const QString& dir);

}  // namespace zrt
