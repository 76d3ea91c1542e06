// Plain-text views of a document for the command line.
#ifndef VRQ5_CLI_REPORT_H_
#define VRQ5_CLI_REPORT_H_

#include <ostream>

#include "store/document.h"

namespace vrq5::cli {

// Model, bank sizes, channels in use, groups, settings by caption and the
// VFO bands.
void PrintInfo(const Document& doc, std::ostream& out);

}  // namespace vrq5::cli

#endif  // VRQ5_CLI_REPORT_H_
