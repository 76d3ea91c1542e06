// A printout drawn page by page: the core's tables and page plan with the
// measures of a real page (the font's line height, the page's width), the
// header and "Page N of M" on each page, the notes in a font with Japanese
// characters. Black on white, so that it prints the same in black and
// white.
#ifndef VRQ5_PRINT_PRINTOUT_H_
#define VRQ5_PRINT_PRINTOUT_H_

#include <QPagedPaintDevice>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

#include "store/document.h"
#include "store/print_plan.h"

namespace vrq5::print {

// The texts of the plan as shown (the window translates them; `vrq5 print`
// keeps the English).
using TextFn = std::function<QString(std::string_view)>;

// Today's date as the header shows it (2026-12-09).
std::string TodayForHeader();

// Draws `doc` as `options` asks on `device` (a QPdfWriter or a QPrinter
// with its page size and orientation set), headed with `date`. Returns the
// number of pages drawn; 0 when there is nothing to print or the device
// cannot be painted on.
int PaintPrintout(QPagedPaintDevice& device, const Document& doc,
                  const PrintOptions& options, std::string_view date,
                  const TextFn& text);

// The same into a PDF file at `path`: A4 or Letter, portrait or landscape.
// False when the file cannot be written (`error`: the system's reason) or
// there is nothing to print; a file already at `path` is then left as it
// was.
bool WritePdf(const QString& path, const Document& doc,
              const PrintOptions& options, std::string_view date, bool letter,
              bool landscape, const TextFn& text, int* pages = nullptr,
              QString* error = nullptr);

}  // namespace vrq5::print

#endif  // VRQ5_PRINT_PRINTOUT_H_
