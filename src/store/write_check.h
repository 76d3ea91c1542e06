// The check of a document before it is written to the receiver: what the
// receiver would refuse or misfile (errors), and what a write would cut,
// change or leave behind (warnings). Only what a write sends is checked:
// the enabled slots holding a channel, the bank sizes as the bank-table
// writer cuts them, the VFO bands the model has.
#ifndef VRQ5_STORE_WRITE_CHECK_H_
#define VRQ5_STORE_WRITE_CHECK_H_

#include <string>
#include <string_view>
#include <vector>

#include "store/document.h"

namespace vrq5 {

enum class FindingKind { kError, kWarning };

struct Finding {
  FindingKind kind = FindingKind::kError;
  // The row as the grids show it: a memory row label ("03-005"), "12A",
  // "S4", "Pr7"; "VFO 3" for a VFO band; "Bank 02" or "Banks" for the bank
  // sizes; "Channels" or "VFO" for a finding about many rows.
  std::string row;
  // "Frequency", "Mode", "Step", "Option", "Secret code", "Carrier",
  // "Tone", "Shift", "Offset", "Skip", "Name", "Note" or "Bank sizes".
  std::string field;
  // What is wrong and what a write would do, in plain English.
  std::string text;

  friend bool operator==(const Finding&, const Finding&) = default;
};

// The parts of the receiver a write sends.
struct WriteScope {
  bool channels = true;    // the channel records (Write, Write > ALL)
  bool bank_sizes = true;  // the bank-size area (Write Bank, Write, ALL)
  bool vfo = true;         // the VFO band records (Write Settings, ALL)
};

// The check for a write of `scope` with the document's model (the selected
// model option, which the write identifies itself as and encodes with).
// Findings come in the grids' order: the bank sizes, the VFO bands, the
// channel slots 0..1299 (each in field order), then the notes.
std::vector<Finding> CheckBeforeWrite(const Document& doc,
                                      WriteScope scope = {});

bool HasError(const std::vector<Finding>& findings);
int CountFindings(const std::vector<Finding>& findings, FindingKind kind);

// "error" or "warning".
std::string_view FindingKindName(FindingKind kind);

// One finding as a line of text (no line end): kind, row, field and text
// in columns.
std::string FindingLine(const Finding& finding);

// The closing count: "2 errors, 1 warning".
std::string FindingCountLine(const std::vector<Finding>& findings);

}  // namespace vrq5

#endif  // VRQ5_STORE_WRITE_CHECK_H_
