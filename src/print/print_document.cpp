#include "print/print_document.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <memory>
#include <numeric>
#include <vector>

#include "config/channel_csv.h"
#include "config/channel_table.h"
#include "config/configuration.h"
#include "i18n/config_description.h"
#include "i18n/print_captions.h"
#include "platform/data_file_io.h"
#include "platform/qt_text.h"

namespace zrt {

namespace {

// Sizes in points.
constexpr qreal kTitleSize = 20;
constexpr qreal kSectionSize = 13;
constexpr qreal kGroupSize = 10.5;
constexpr qreal kBodySize = 9;
constexpr qreal kFooterSize = 8;
constexpr qreal kPad = 2.5;          // inside a table cell
constexpr qreal kColumnGap = 14;     // between the two columns of caption: value pairs
constexpr qreal kSectionGap = 12;    // above a section
constexpr qreal kFooterHeight = 18;  // reserved at the bottom of every page

const QColor kHeaderShade(0xDD, 0xDD, 0xDD);
const QColor kRowShade(0xEC, 0xEC, 0xFF);  // the channel tables' even rows, paler on paper
const QColor kRule(0xA0, 0xA0, 0xA0);

// A Latin font first, with the CJK font as its fallback: with the CJK font alone, digits that follow Latin
// letters in one run leave the PDF's text layer ("ZR-T410" is found as "ZR-T"), which breaks search and copy.
QFont textFont(qreal points, bool bold = false) {
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei"),
                   QStringLiteral("Noto Sans CJK SC")});
    f.setStyleHint(QFont::SansSerif);
    f.setStyleStrategy(QFont::PreferNoShaping);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// Names in a monospaced font, so that their spaces show.
QFont monoFont(qreal points) {
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("WenQuanYi Micro Hei Mono"),
                   QStringLiteral("Noto Sans Mono CJK SC")});
    f.setStyleHint(QFont::Monospace);
    f.setStyleStrategy(QFont::PreferNoShaping);
    f.setPointSizeF(points);
    return f;
}

// The radio's texts may hold control characters, which paper cannot show.
QString printable(const std::string& utf8) {
    return qs(printableText(utf8));
}

// A text laid out in a width: wrapped at word boundaries, or anywhere when a word is wider than the line, so
// that nothing is ever cut.
class Para {
  public:
    Para(const QString& text, const QFont& font, QPaintDevice* device, qreal width,
         Qt::Alignment align = Qt::AlignLeft)
        : layout_(std::make_unique<QTextLayout>(text, font, device)) {
        QTextOption option(align);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout_->setTextOption(option);
        layout_->beginLayout();
        for (QTextLine line = layout_->createLine(); line.isValid(); line = layout_->createLine()) {
            line.setLineWidth(std::max<qreal>(width, 1));
            line.setPosition(QPointF(0, height_));
            height_ += line.height();
        }
        layout_->endLayout();
    }
    qreal height() const { return height_; }
    void draw(QPainter* painter, QPointF at) const {
        if (painter) layout_->draw(painter, at);
    }

  private:
    std::unique_ptr<QTextLayout> layout_;
    qreal height_ = 0;
};

// The flow of the document down the pages. Without a painter it only measures, which counts the pages for
// the footers of the painting run.
class Sheet {
  public:
    Sheet(QPagedPaintDevice& device, QPainter* painter, int language, int pageCount)
        : device_(device), painter_(painter), language_(language), pageCount_(pageCount) {
        scale_ = device.logicalDpiY() / 72.0;
        const QRect paint = device.pageLayout().paintRectPixels(device.logicalDpiX());
        width_ = paint.width();
        height_ = paint.height() - pt(kFooterHeight);
    }

    qreal pt(qreal points) const { return points * scale_; }
    QPaintDevice* device() const { return &device_; }
    QPainter* painter() const { return painter_; }
    int language() const { return language_; }
    qreal width() const { return width_; }
    qreal y() const { return y_; }
    int page() const { return page_; }

    bool fits(qreal height) const { return y_ + height <= height_ || y_ == 0; }
    void advance(qreal height) { y_ += height; }
    void space(qreal points) {
        if (y_ > 0) y_ = std::min(y_ + pt(points), height_);
    }
    void breakPage() {
        footer();
        if (painter_) device_.newPage();
        ++page_;
        y_ = 0;
    }
    // Starts a new page first when `height` does not fit on this one.
    void need(qreal height) {
        if (!fits(height)) breakPage();
    }
    void finish() { footer(); }

    Para para(const QString& text, const QFont& font, qreal width,
              Qt::Alignment align = Qt::AlignLeft) const {
        return Para(text, font, &device_, width, align);
    }

  private:
    void footer() {
        if (!painter_) return;
        const QFont font = textFont(kFooterSize);
        const qreal top = height_ + pt(kFooterHeight) - QFontMetricsF(font, &device_).height();
        const QString page = qs(fillText(
            kPrintPage.in(language_), {std::to_string(page_), std::to_string(std::max(pageCount_, page_))}));
        para(QStringLiteral("ZR-T410"), font, width_ / 2).draw(painter_, QPointF(0, top));
        para(page, font, width_ / 2, Qt::AlignRight).draw(painter_, QPointF(width_ / 2, top));
    }

    QPagedPaintDevice& device_;
    QPainter* painter_;
    int language_;
    int pageCount_;
    qreal scale_ = 1;
    qreal width_ = 0, height_ = 0;
    qreal y_ = 0;
    int page_ = 1;
};

void heading(Sheet& sheet, const QString& text, qreal size, qreal gapAbove, qreal keepWithNext) {
    sheet.space(gapAbove);
    const Para p = sheet.para(text, textFont(size, true), sheet.width());
    sheet.need(p.height() + keepWithNext);
    p.draw(sheet.painter(), QPointF(0, sheet.y()));
    sheet.advance(p.height() + sheet.pt(3));
}

void line(Sheet& sheet, const QString& text, const QFont& font) {
    const Para p = sheet.para(text, font, sheet.width());
    sheet.need(p.height());
    p.draw(sheet.painter(), QPointF(0, sheet.y()));
    sheet.advance(p.height());
}

// ---- Tables ---------------------------------------------------------------------------------------------

struct Column {
    qreal width = 0;
    bool mono = false;
    Qt::Alignment align = Qt::AlignHCenter;
};

// A row of cells laid out in the columns; its height is that of its tallest cell.
struct Row {
    std::vector<Para> cells;
    qreal height = 0;
};

Row layoutRow(const Sheet& sheet, const std::vector<QString>& texts, const std::vector<Column>& columns,
              bool bold) {
    Row row;
    const QFont body = textFont(kBodySize, bold), mono = monoFont(kBodySize);
    for (std::size_t k = 0; k < columns.size() && k < texts.size(); ++k) {
        const Column& c = columns[k];
        row.cells.push_back(
            sheet.para(texts[k], c.mono && !bold ? mono : body, c.width - 2 * sheet.pt(kPad), c.align));
        row.height = std::max(row.height, row.cells.back().height());
    }
    row.height += 2 * sheet.pt(kPad);
    return row;
}

void drawRow(Sheet& sheet, const Row& row, const std::vector<Column>& columns, const QColor& shade) {
    if (QPainter* p = sheet.painter()) {
        qreal x = 0;
        const qreal total = std::accumulate(columns.begin(), columns.end(), qreal(0),
                                            [](qreal sum, const Column& c) { return sum + c.width; });
        if (shade.isValid()) p->fillRect(QRectF(0, sheet.y(), total, row.height), shade);
        p->setPen(QPen(kRule, sheet.pt(0.4)));
        p->drawLine(QPointF(0, sheet.y() + row.height), QPointF(total, sheet.y() + row.height));
        p->setPen(Qt::black);
        for (std::size_t k = 0; k < row.cells.size(); ++k) {
            row.cells[k].draw(p, QPointF(x + sheet.pt(kPad), sheet.y() + sheet.pt(kPad)));
            x += columns[k].width;
        }
    }
    sheet.advance(row.height);
}

// Column widths from the widest cell and the widest word of the heading, spread over the page's width;
// a table wider than the page is narrowed, and its texts wrap.
std::vector<Column> fitColumns(const Sheet& sheet, const std::vector<QString>& header,
                               const std::vector<std::vector<QString>>& rows, std::vector<Column> columns,
                               qreal width) {
    const QFontMetricsF body(textFont(kBodySize), sheet.device()),
        bold(textFont(kBodySize, true), sheet.device()), mono(monoFont(kBodySize), sheet.device());
    for (std::size_t k = 0; k < columns.size(); ++k) {
        qreal w = 0;
        for (const QString& word : header[k].split(u' ', Qt::SkipEmptyParts))
            w = std::max(w, bold.horizontalAdvance(word));
        for (const auto& row : rows)
            w = std::max(w, (columns[k].mono ? mono : body).horizontalAdvance(row[k]));
        columns[k].width = w + 2 * sheet.pt(kPad) + 1;
    }
    qreal total = 0;
    for (const Column& c : columns)
        total += c.width;
    const qreal factor = total > width ? width / total : 1;
    const qreal extra = total < width ? std::min((width - total) / columns.size(), sheet.pt(12)) : 0;
    for (Column& c : columns)
        c.width = c.width * factor + extra;
    return columns;
}

// A table under its heading: the column headings again at the top of every page it runs onto, and a row
// never split.
void table(Sheet& sheet, const std::vector<QString>& header, const std::vector<std::vector<QString>>& rows,
           const std::vector<Column>& columns) {
    const Row head = layoutRow(sheet, header, columns, true);
    bool headed = false;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const Row row = layoutRow(sheet, rows[r], columns, false);
        if (!headed || !sheet.fits(row.height)) {
            if (headed || !sheet.fits(head.height + row.height)) sheet.breakPage();
            drawRow(sheet, head, columns, kHeaderShade);
            headed = true;
        }
        drawRow(sheet, row, columns, r % 2 == 1 ? kRowShade : QColor());
    }
}

// Caption: value pairs in two columns, read along the lines.
void pairs(Sheet& sheet, const std::vector<CaptionedValue>& fields) {
    const QFont font = textFont(kBodySize);
    const qreal half = (sheet.width() - sheet.pt(kColumnGap)) / 2;
    const QFontMetricsF metrics(font, sheet.device());
    qreal captionWidth = 0;
    for (const CaptionedValue& f : fields)
        captionWidth = std::max(captionWidth, metrics.horizontalAdvance(qs(f.caption)));
    captionWidth = std::min(captionWidth + sheet.pt(10), half * 0.62);
    const qreal valueWidth = half - captionWidth;
    for (std::size_t i = 0; i < fields.size(); i += 2) {
        std::vector<Para> cells;
        qreal height = 0;
        for (std::size_t k = i; k < i + 2 && k < fields.size(); ++k) {
            cells.push_back(sheet.para(qs(fields[k].caption), font, captionWidth - sheet.pt(8)));
            cells.push_back(sheet.para(printable(fields[k].value), font, valueWidth));
            height = std::max({height, cells[cells.size() - 2].height(), cells.back().height()});
        }
        height += sheet.pt(1.5);
        sheet.need(height);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const qreal x = (c / 2) * (half + sheet.pt(kColumnGap)) + (c % 2) * captionWidth;
            cells[c].draw(sheet.painter(), QPointF(x, sheet.y()));
        }
        sheet.advance(height);
    }
}

// ---- The document ---------------------------------------------------------------------------------------

void titleBlock(Sheet& sheet, const ConfigDescription& d, const PrintHeading& heading) {
    const int language = sheet.language();
    line(sheet, QStringLiteral("ZR-T410"), textFont(kTitleSize, true));
    sheet.advance(sheet.pt(4));
    std::vector<CaptionedValue> facts{d.band};
    facts.push_back({std::string(kPrintDate.in(language)), utf8(heading.date.toString(Qt::ISODate))});
    if (!heading.fileName.isEmpty())
        facts.push_back({std::string(kPrintFile.in(language)), utf8(heading.fileName)});
    const QFont font = textFont(kBodySize + 1);
    const QFontMetricsF metrics(font, sheet.device());
    qreal captionWidth = 0;
    for (const CaptionedValue& f : facts)
        captionWidth = std::max(captionWidth, metrics.horizontalAdvance(qs(f.caption)));
    captionWidth += sheet.pt(6);
    for (const CaptionedValue& f : facts) {
        const Para caption = sheet.para(qs(f.caption), font, captionWidth);
        const Para value = sheet.para(qs(f.value), font, sheet.width() - captionWidth);
        const qreal height = std::max(caption.height(), value.height());
        sheet.need(height);
        caption.draw(sheet.painter(), QPointF(0, sheet.y()));
        value.draw(sheet.painter(), QPointF(captionWidth, sheet.y()));
        sheet.advance(height);
    }
}

void channelList(Sheet& sheet, const ConfigDescription& d) {
    const int language = sheet.language();
    const QFontMetricsF body(textFont(kBodySize), sheet.device());
    const qreal groupKeep = 3 * body.height();
    heading(sheet, qs(d.channels.title), kSectionSize, kSectionGap, groupKeep);

    std::vector<QString> header;
    for (const std::string& h : d.channels.header)
        header.push_back(qs(h));
    std::array<std::vector<std::vector<QString>>, 2> groups;
    for (std::size_t r = 0; r < d.channels.rows.size(); ++r) {
        std::vector<QString> row;
        for (const std::string& cell : d.channels.rows[r])
            row.push_back(printable(cell));
        groups[groupOf(d.channelNumbers[r]) == kGroupA ? 0 : 1].push_back(std::move(row));
    }
    std::vector<Column> columns(header.size());
    columns[static_cast<std::size_t>(d.nameColumn)] = {0, true, Qt::AlignLeft};
    std::vector<std::vector<QString>> all = groups[0];
    all.insert(all.end(), groups[1].begin(), groups[1].end());
    columns = fitColumns(sheet, header, all, columns, sheet.width());

    for (std::size_t g = 0; g < 2; ++g) {
        const QString count =
            qs(fillText(kPrintUsedChannels.in(language), {std::to_string(groups[g].size())}));
        heading(sheet, qs(d.groupTitles[g]) + QStringLiteral("    ") + count, kGroupSize, g == 0 ? 2 : 8,
                groupKeep);
        if (groups[g].empty())
            line(sheet, qs(kPrintNoChannels.in(language)), textFont(kBodySize));
        else
            table(sheet, header, groups[g], columns);
    }
}

void features(Sheet& sheet, const ConfigDescription& d) {
    const qreal keep = 2 * QFontMetricsF(textFont(kBodySize), sheet.device()).height();
    for (std::size_t g = 0; g < d.features.size(); ++g) {
        heading(sheet, qs(d.features[g].title), g == 0 ? kSectionSize : kGroupSize, g == 0 ? kSectionGap : 8,
                keep);
        pairs(sheet, d.features[g].fields);
    }
}

void fmChannels(Sheet& sheet, const ConfigDescription& d) {
    const int language = sheet.language();
    const qreal keep = 2 * QFontMetricsF(textFont(kBodySize), sheet.device()).height();
    heading(sheet, qs(d.fm.title), kSectionSize, kSectionGap, keep);
    pairs(sheet, d.fm.fields);
    sheet.space(6);
    std::vector<std::vector<QString>> set;
    for (const auto& row : d.fmChannels.rows)
        if (!row[1].empty()) set.push_back({qs(row[0]), printable(row[1])});
    if (set.empty()) {
        line(sheet, qs(kPrintNoChannels.in(language)), textFont(kBodySize));
        return;
    }
    const std::vector<QString> header{qs(d.fmChannels.header[0]), qs(d.fmChannels.header[1])};
    std::vector<Column> columns = fitColumns(sheet, header, set, std::vector<Column>(2), sheet.width());
    for (Column& c : columns)
        c.width = std::max(c.width, sheet.pt(90));
    table(sheet, header, set, columns);
}

int layOut(QPagedPaintDevice& device, QPainter* painter, const ConfigDescription& d, int language,
           const PrintHeading& heading, int pageCount) {
    Sheet sheet(device, painter, language, pageCount);
    titleBlock(sheet, d, heading);
    channelList(sheet, d);
    features(sheet, d);
    fmChannels(sheet, d);
    sheet.finish();
    return sheet.page();
}

}  // namespace

QPageLayout defaultPageLayout(const QLocale& locale) {
    const QPageSize size(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                 : QPageSize::A4);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

int paintConfiguration(QPagedPaintDevice& device, const Configuration& config, int language,
                       const PrintHeading& heading) {
    const ConfigDescription d = describeConfiguration(config, language);
    const int pages = layOut(device, nullptr, d, language, heading, 0);
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    layOut(device, &painter, d, language, heading, pages);
    painter.end();
    return pages;
}

bool writeConfigurationPdf(const QString& path, const Configuration& config, int language,
                           const PrintHeading& heading, const QPageLayout& layout) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(layout);
        pdf.setResolution(300);
        pdf.setTitle(QStringLiteral("ZR-T410 ") + heading.fileName);
        pdf.setCreator(QStringLiteral("ZR-T410"));
        if (paintConfiguration(pdf, config, language, heading) == 0) return false;
    }
    return writeFileSafely(path, buffer.data());
}

}  // namespace zrt
