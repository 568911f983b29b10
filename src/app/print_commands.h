// Print and Export PDF of the File menu: the configuration on paper through a print preview (whose buttons
// give page setup and the printer), or as a PDF file, in the current language.
#pragma once

#include <QString>
#include <memory>

class QPrinter;
class QWidget;

namespace zrt {

class Session;

class PrintCommands {
  public:
    PrintCommands(Session& session, QWidget* dialogParent);
    ~PrintCommands();

    // The data file the configuration came from or went to, named in the title block; "" for none.
    void setFilePath(const QString& path) { filePath_ = path; }

    void print();                             // the print preview, window-modal; returns at once
    bool exportPdf();                         // save dialog, then exportPdfPath
    bool exportPdfPath(const QString& path);  // the message of a failure; true when the file was written

  private:
    Session& session_;
    QWidget* parent_;
    QString filePath_;
    std::unique_ptr<QPrinter> printer_;  // kept, so that the page setup chosen holds for the next print
};

}  // namespace zrt
