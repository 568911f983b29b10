#include "app/channel_csv_commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

#include "app/app_settings.h"
#include "app/file_dialog.h"
#include "config/channel_csv.h"
#include "i18n/channel_csv_texts.h"
#include "platform/channel_list_import.h"
#include "platform/data_file_io.h"
#include "platform/qt_text.h"
#include "session/session.h"
#include "ui/msgbox.h"

namespace zrt {

namespace {

const QString kFilter = QStringLiteral("CSV(*.csv);;AllFiles(*.*)");
QString noteLines(const std::vector<CsvNote>& notes, int language) {
    std::vector<std::string> lines;
    for (const CsvNote& note : notes)
        lines.push_back(csvNoteText(note, language));
    QString text;
    for (const std::string& line : reportLines(std::move(lines), language))
        text += QStringLiteral("\n") + qs(line);
    return text;
}

QString askPath(QWidget* parent, QFileDialog::AcceptMode mode, AppSettings* settings) {
    return askFilePath(
        parent, mode, settings,
        mode == QFileDialog::AcceptSave ? FileDialogKind::ExportChannels : FileDialogKind::ImportChannels,
        kFilter, QStringLiteral("csv"));
}

void fileMessage(int language, const msg::Message& m, const QString& path, QWidget* owner) {
    msgBoxEx(language, qs(m.text, language) + QDir::toNativeSeparators(path), m.style, qs(m.title, language),
             owner);
}

}  // namespace

ChannelCsvCommands::ChannelCsvCommands(Session& session, QWidget* dialogParent)
    : session_(session), parent_(dialogParent) {}

bool ChannelCsvCommands::importChannels() {
    const QString path = askPath(parent_, QFileDialog::AcceptOpen, settings_);
    return !path.isEmpty() && importPath(path);
}

bool ChannelCsvCommands::importPath(const QString& path) {
    const int language = session_.config().languageIndex;
    // Into a copy first: the user decides about a partly refused list before anything changes.
    ChannelListImport import = importChannelList(session_, path);
    switch (import.failure) {
        case ChannelListImport::Failure::Unreadable:
            fileMessage(language, msg::kFileOpenFailed, path, parent_);
            return false;
        case ChannelListImport::Failure::TooLarge:
            msgBoxEx(language, qs(kCsvTooLarge, language) + QDir::toNativeSeparators(path),
                     msg::kStyleCritical, qs(kCsvErrorTitle, language), parent_);
            return false;
        case ChannelListImport::Failure::None:
            break;
    }
    const CsvImport& result = import.result;
    if (result.fileRefused) {
        msgBoxEx(language, noteLines(import.notes, language).mid(1), msg::kStyleCritical,
                 qs(kCsvErrorTitle, language), parent_);
        return false;
    }
    QString report = qs(csvImportSummary(result, language)) + noteLines(import.notes, language);
    if (!result.refused.empty()) {
        report += QStringLiteral("\n\n") + qs(kCsvImportTheRest, language);
        if (msgBoxEx(language, report, msg::kStyleQuestion, qs(kCsvQuestionTitle, language), parent_) !=
            msg::kResultOk)
            return false;
    } else {
        msgBoxEx(language, report, msg::kStyleOk, qs(kCsvReportTitle, language), parent_);
    }
    applyChannelList(session_, std::move(import));
    return true;
}

bool ChannelCsvCommands::exportChannels() {
    const QString path = askPath(parent_, QFileDialog::AcceptSave, settings_);
    return !path.isEmpty() && exportPath(path);
}

bool ChannelCsvCommands::exportPath(const QString& path) {
    const int language = session_.config().languageIndex;
    const CsvExport csv = exportChannelsCsv(session_.config().channels, session_.config().band.limits);
    if (!writeFileSafely(path, QByteArray::fromStdString(csv.text))) {
        fileMessage(language, msg::kFileSaveFailed, path, parent_);
        return false;
    }
    // Like Save, a clean export says nothing; channels it could not carry fully are reported.
    if (!csv.notes.empty()) {
        const QString report = qs(fillText(kCsvExportSummary.in(language), {std::to_string(csv.channels)})) +
                               noteLines(csv.notes, language);
        msgBoxEx(language, report, msg::kStyleExclamation, qs(kCsvReportTitle, language), parent_);
    }
    return true;
}

}  // namespace zrt
