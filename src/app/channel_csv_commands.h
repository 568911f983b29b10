// Import Channels and Export Channels of the File menu: the channel list as a CSV file, with file dialogs
// and a report of what was imported, changed on the way or refused.
#pragma once

#include <QString>

class QWidget;

namespace zrt {

class AppSettings;
class Session;

class ChannelCsvCommands {
  public:
    ChannelCsvCommands(Session& session, QWidget* dialogParent);

    bool importChannels();                 // file dialog, then importPath
    bool importPath(const QString& path);  // true when the channels changed (the tables then redraw)
    bool exportChannels();                 // file dialog, then exportPath
    bool exportPath(const QString& path);  // true when the file was written

    // Where the dialogs start; without it they start where the user can write and remember nothing.
    void setSettings(AppSettings* settings) { settings_ = settings; }

  private:
    Session& session_;
    QWidget* parent_;
    AppSettings* settings_ = nullptr;
};

}  // namespace zrt
