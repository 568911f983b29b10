#include "app/print_commands.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "ui/msgbox.h"
#include "i18n/print_captions.h"
#include "platform/qt_text.h"
#include "print/print_document.h"
#include "session/session.h"

namespace zrt {

namespace {

const QString kFilter = QStringLiteral("PDF(*.pdf);;AllFiles(*.*)");

}  // namespace

PrintCommands::PrintCommands(Session& session, QWidget* dialogParent)
    : session_(session), parent_(dialogParent) {}

PrintCommands::~PrintCommands() = default;

void PrintCommands::print() {
    if (!printer_) {
        // The printer's own paper (or the locale's, without a printer), with the document's margins.
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageMargins(defaultPageLayout(QLocale()).margins(), QPageLayout::Millimeter);
    }
    printer_->setDocName(QStringLiteral("ZR-T410 ") + QFileInfo(filePath_).fileName());
    auto* preview = new QPrintPreviewDialog(printer_.get(), parent_);
    preview->setObjectName(QStringLiteral("PrintPreview"));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowTitle(qs(kPrintPreviewTitle, session_.config().languageIndex));
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview, [this](QPrinter* printer) {
        paintConfiguration(*printer, session_.config(), session_.config().languageIndex,
                           {QFileInfo(filePath_).fileName(), QDate::currentDate()});
    });
    preview->open();
}

bool PrintCommands::exportPdf() {
    QString suggested = QFileInfo(filePath_).completeBaseName();
    if (suggested.isEmpty()) suggested = QStringLiteral("ZR-T410");
    QFileDialog dialog(parent_, QString(),
                       QFileInfo(filePath_).dir().filePath(suggested + QStringLiteral(".pdf")), kFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    return exportPdfPath(dialog.selectedFiles().constFirst());
}

bool PrintCommands::exportPdfPath(const QString& path) {
    const int language = session_.config().languageIndex;
    if (writeConfigurationPdf(path, session_.config(), language,
                              {QFileInfo(filePath_).fileName(), QDate::currentDate()},
                              defaultPageLayout(QLocale())))
        return true;
    const msg::Message& m = msg::kFileSaveFailed;
    msgBoxEx(language, qs(m.text, language) + QDir::toNativeSeparators(path), m.style, qs(m.title, language),
             parent_);
    return false;
}

}  // namespace zrt
