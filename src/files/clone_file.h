// The clone file (.VQ5): everything the program reads from or writes to
// the receiver, one item per CR LF line, 2643 lines between the two marks.
#ifndef VRQ5_FILES_CLONE_FILE_H_
#define VRQ5_FILES_CLONE_FILE_H_

#include <string>
#include <string_view>

#include "files/file_status.h"
#include "store/document.h"

namespace vrq5 {

inline constexpr int kCloneFileLines = 2643;

// The file text of the document. Runs the encoders that saving runs first
// (settings, enable bits, bank table with its clipping, groups from the
// check boxes), so the document's hex texts are brought up to date.
std::string CloneFileText(Document& doc);

// Save and Save As once a name is known: writes the whole file or nothing
// (the previous file stays intact on failure, "File Open Error"). On
// success CurrentFileName is the path and DataChanged is clear; on failure
// both stay as they were, and `reason` (when given) holds the system's
// reason.
FileStatus SaveCloneFile(Document& doc, const std::string& path,
                         std::string* reason = nullptr);

// Open once a name is known. "File Open Error" when the file cannot be read
// or has fewer than 2643 lines, "Data Error" when a mark line is wrong; in
// both cases the document is unchanged. Lines after the 2643rd are ignored.
// Loads all 1300 slots, then runs the steps the window runs after a load:
// bank sizes into the boxes, groups into the check boxes, row layout, the
// memory refill (disabled slots are emptied); CurrentFileName becomes the
// path and DataChanged is cleared.
FileStatus OpenCloneFile(Document& doc, const std::string& path);

// The file named on the command line: "File Open Error" when nothing exists
// at the path, otherwise as OpenCloneFile.
FileStatus OpenNamedFile(Document& doc, const std::string& path);

// The clone file named by the program's first command-line argument: the
// argument as it stands, less a pair of double quotes that encloses it
// (both must be there).
std::string CommandLinePath(std::string_view argument);

// Loads a clone file's text (as OpenCloneFile does after reading the file,
// without touching CurrentFileName and DataChanged).
FileStatus LoadCloneText(Document& doc, std::string_view text);

}  // namespace vrq5

#endif  // VRQ5_FILES_CLONE_FILE_H_
