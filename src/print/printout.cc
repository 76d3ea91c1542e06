#include "print/printout.h"

#include <QDate>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <vector>

#include "notes/note_text.h"

namespace vrq5::print {

namespace {

constexpr double kPointSize = 8.0;

// A Latin face first, then the CJK faces Japanese notes fall back to.
QFont BodyFont() {
  QFont font;
  font.setFamilies(
      {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK JP"),
       QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("sans-serif")});
  font.setPointSizeF(kPointSize);
  return font;
}

// The texts of a table as printed, and its columns' widths fitted to the
// page: as wide as their widest text, narrowed in proportion (texts cut
// with an ellipsis) when together they are wider than the page.
struct ShownTable {
  QString heading;
  QStringList columns;
  std::vector<QStringList> rows;
  std::vector<double> widths;
};

ShownTable Show(const PrintTable& table, const TextFn& text,
                const QFontMetricsF& body, const QFontMetricsF& bold,
                double page_width, double padding) {
  ShownTable out;
  out.heading = text(table.heading);
  for (const std::string& c : table.columns) out.columns << text(c);
  for (const auto& row : table.rows) {
    QStringList cells;
    for (int c = 0; c < static_cast<int>(row.size()); ++c) {
      if (c == table.note_column) {
        cells << NoteToDisplay(row[c]);
      } else if (table.cells_are_texts) {
        cells << text(row[c]);
      } else {
        cells << QString::fromUtf8(row[c].data(),
                                   static_cast<qsizetype>(row[c].size()));
      }
    }
    out.rows.push_back(cells);
  }
  out.widths.assign(out.columns.size(), 0.0);
  for (int c = 0; c < out.columns.size(); ++c) {
    double w = bold.horizontalAdvance(out.columns[c]);
    for (const QStringList& cells : out.rows) {
      if (c < cells.size()) w = std::max(w, body.horizontalAdvance(cells[c]));
    }
    out.widths[c] = w + padding;
  }
  // Too wide: the widest columns (notes, names) give way first, down to a
  // common width that makes the row fit; the narrow ones keep theirs.
  std::vector<double> sorted = out.widths;
  std::sort(sorted.begin(), sorted.end());
  double total = 0;
  for (double w : sorted) total += w;
  if (total > page_width) {
    double narrow = 0;  // the columns below the cap, whole
    double cap = page_width / static_cast<double>(sorted.size());
    for (size_t i = 0; i < sorted.size(); ++i) {
      const double rest = static_cast<double>(sorted.size() - i);
      if (narrow + sorted[i] * rest > page_width) {
        cap = (page_width - narrow) / rest;
        break;
      }
      narrow += sorted[i];
    }
    for (double& w : out.widths) w = std::min(w, cap);
  }
  return out;
}

}  // namespace

int PaintPrintout(QPagedPaintDevice& device, const Document& doc,
                  const PrintOptions& options, std::string_view date,
                  const TextFn& text) {
  const std::vector<PrintTable> tables = PrintTables(doc, options);
  if (tables.empty()) return 0;
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  const QFont body = BodyFont();
  QFont bold = body;
  bold.setBold(true);
  const QFontMetricsF body_metrics(body, &device);
  const QFontMetricsF bold_metrics(bold, &device);
  // The paintable area, in the device's pixels from its top left corner.
  const double width = device.width(), height = device.height();
  const double line = std::ceil(bold_metrics.lineSpacing() * 1.25);
  const double padding = body_metrics.horizontalAdvance(QStringLiteral("  "));
  // Two lines each for the header and the footer.
  const int lines_per_page = std::max(3, static_cast<int>(height / line) - 4);
  const std::vector<PrintPage> pages = PlanPages(tables, lines_per_page);

  std::vector<ShownTable> shown;
  for (const PrintTable& t : tables) {
    shown.push_back(Show(t, text, body_metrics, bold_metrics, width, padding));
  }
  const QString header = text(PrintHeader(doc, date));
  const QPen rule(Qt::black, std::max(1.0, line / 20));
  auto cells = [&](const ShownTable& t, const QStringList& texts, double y,
                   const QFontMetricsF& metrics) {
    double x = 0;
    for (int c = 0; c < texts.size() && c < static_cast<int>(t.widths.size());
         ++c) {
      const double w = t.widths[c];
      painter.drawText(QRectF(x, y, w, line), Qt::AlignLeft | Qt::AlignVCenter,
                       metrics.elidedText(texts[c], Qt::ElideRight,
                                          std::max(0.0, w - padding / 2)));
      x += w;
    }
  };

  for (size_t p = 0; p < pages.size(); ++p) {
    if (p > 0 && !device.newPage()) break;
    painter.setPen(Qt::black);
    painter.setFont(bold);
    painter.drawText(QRectF(0, 0, width, line),
                     Qt::AlignLeft | Qt::AlignVCenter, header);
    painter.setPen(rule);
    painter.drawLine(QPointF(0, line * 1.5), QPointF(width, line * 1.5));
    double y = 2 * line;
    for (const PrintLine& l : pages[p]) {
      const ShownTable& t = shown[l.table];
      switch (l.kind) {
        case PrintLine::Kind::kGap:
          break;
        case PrintLine::Kind::kHeading:
          painter.setFont(bold);
          painter.drawText(
              QRectF(0, y, width, line), Qt::AlignLeft | Qt::AlignVCenter,
              l.continued ? text(ContinuedHeading(tables[l.table].heading))
                          : t.heading);
          break;
        case PrintLine::Kind::kColumns:
          painter.setFont(bold);
          cells(t, t.columns, y, bold_metrics);
          painter.drawLine(QPointF(0, y + line), QPointF(width, y + line));
          break;
        case PrintLine::Kind::kRow:
          painter.setFont(body);
          cells(t, t.rows[l.row], y, body_metrics);
          break;
      }
      y += line;
    }
    painter.setFont(body);
    painter.drawText(QRectF(0, height - line, width, line), Qt::AlignCenter,
                     text(PrintFooter(static_cast<int>(p) + 1,
                                      static_cast<int>(pages.size()))));
  }
  painter.end();
  return static_cast<int>(pages.size());
}

std::string TodayForHeader() {
  return QDate::currentDate().toString(Qt::ISODate).toStdString();
}

bool WritePdf(const QString& path, const Document& doc,
              const PrintOptions& options, std::string_view date, bool letter,
              bool landscape, const TextFn& text, int* pages, QString* error) {
  // Into a temporary file first: a failed export leaves an older file with
  // that name as it was.
  QSaveFile file(path);
  auto failed = [&file, error] {
    if (error) *error = file.errorString();
    return false;
  };
  if (!file.open(QIODevice::WriteOnly)) return failed();
  int drawn = 0;
  {
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(letter ? QPageSize::Letter : QPageSize::A4));
    writer.setPageOrientation(landscape ? QPageLayout::Landscape
                                        : QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("vrq5"));
    drawn = PaintPrintout(writer, doc, options, date, text);
  }
  if (pages) *pages = drawn;
  if (drawn == 0) {
    file.cancelWriting();
    return false;
  }
  return file.commit() || failed();
}

}  // namespace vrq5::print
