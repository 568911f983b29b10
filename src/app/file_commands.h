// New, Open and Save: the data file commands of the main window, with their dialogs and messages.
#pragma once

#include <QString>

#include "platform/data_file_io.h"

class QWidget;

namespace zrt {

class AppSettings;
class Session;

class FileCommands {
  public:
    FileCommands(Session& session, QWidget* dialogParent);

    // Each returns true when the configuration changed (the windows then redraw and the channel window
    // shows).
    bool newFile();                      // asks first
    bool open();                         // file dialog, then openPath
    bool openPath(const QString& path);  // messages on failure
    bool save();                         // file dialog, then savePath
    bool savePath(const QString& path);  // messages on failure; true when the file was written
    // The Open dialog alone: the file chosen, "" when cancelled.
    QString askOpenPath();
    // Opens a data file into another session (the windows' configuration stays); messages on failure.
    bool openInto(Session& other, const QString& path);

    // The data file last opened or saved; "" after New. A read from the radio forgets it.
    const QString& path() const { return path_; }
    void forgetPath() { path_.clear(); }
    // Where the dialogs start and which files were opened or saved last; without it nothing is remembered.
    void setSettings(AppSettings* settings) { settings_ = settings; }

  private:
    bool report(FileResult result, const QString& path);  // the message of a failure; true when done

    Session& session_;
    QWidget* parent_;
    QString path_;
    AppSettings* settings_ = nullptr;
};

}  // namespace zrt
