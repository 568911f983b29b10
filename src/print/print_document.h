// The configuration on paper: a title block, the channel list, the optional features and both VFOs, and the
// FM presets that are set, in one language, laid out on the pages of any paged device (a printer, a PDF).
// Needs QtGui only, so that the command line prints without widgets.
#pragma once

#include <QDate>
#include <QPageLayout>
#include <QString>

class QLocale;
class QPagedPaintDevice;

namespace zrt {

struct Configuration;

// What the title block names besides the configuration.
struct PrintHeading {
    QString fileName;  // the data file's name, without its folder; "" when there is none
    QDate date;
};

// The page a new document gets: A4, or Letter where the locale measures in US units; 15 mm margins.
QPageLayout defaultPageLayout(const QLocale& locale);

// Lays the document out on the device's pages (their size and margins) and paints it; returns the number of
// pages.
int paintConfiguration(QPagedPaintDevice& device, const Configuration& config, int language,
                       const PrintHeading& heading);

// The document as a PDF file, written whole or not at all; false when the file cannot be written.
bool writeConfigurationPdf(const QString& path, const Configuration& config, int language,
                           const PrintHeading& heading, const QPageLayout& layout);

}  // namespace zrt
