// What vrq5 prints on a terminal: notes in the locale's encoding with the
// columns they take there, and the program's own terminal never taken for
// a receiver's port.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "cli/port_option.h"
#include "notes/note_text.h"

namespace vrq5 {
namespace {

TEST(TerminalText, NotesInTheLocalesEncodingWithTheirColumns) {
  const std::string airport = "\x8b\xf3\x8d\x60";  // two kanji in Shift_JIS
  struct Case {
    std::string note, codeset, shown;
    size_t columns;
  } cases[] = {
      {airport, "SHIFT_JIS", airport, 4},
      {airport, "UTF-8", "\xe7\xa9\xba\xe6\xb8\xaf", 4},
      {airport, "ANSI_X3.4-1968", "??", 2},
      {"x" + airport + "y", "ISO-8859-1", "x??y", 4},
      {"\xb1", "SHIFT_JIS", "\xb1", 1},  // a half-width kana
      {"caf\xc3\xa9", "ISO-8859-1", "caf\xe9", 4},
      {"caf\xc3\xa9", "ANSI_X3.4-1968", "caf?", 4},
      {"caf\xc3\xa9", "SHIFT_JIS", "caf?", 4},
      {"caf\xc3\xa9", "NO-SUCH-ENCODING", "caf?", 4},
      // A control character is the replacement mark, which ASCII lacks.
      {"red\x1b[31m", "ANSI_X3.4-1968", "red?[31m", 8},
      {"red\x1b[31m", "UTF-8", "red\xef\xbf\xbd[31m", 8},
  };
  for (const auto& c : cases) {
    std::string shown = NoteForTerminal(c.note, c.codeset);
    EXPECT_EQ(shown, c.shown) << c.codeset;
    EXPECT_EQ(TerminalColumns(shown, c.codeset), c.columns) << c.codeset;
  }
}

TEST(TerminalText, OwnTerminalIsNoPort) {
  EXPECT_FALSE(cli::IsOwnTerminal("sim"));
  EXPECT_FALSE(cli::IsOwnTerminal("/dev/null"));
  EXPECT_FALSE(cli::IsOwnTerminal("/no/such/device"));
  if (access("/dev/tty", F_OK) == 0) {
    EXPECT_TRUE(cli::IsOwnTerminal("/dev/tty"));
  }

  // A terminal is the program's own once standard input is on it.
  int master = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(grantpt(master), 0);
  ASSERT_EQ(unlockpt(master), 0);
  std::string slave_name = ptsname(master);
  int slave = open(slave_name.c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(slave, 0);
  EXPECT_FALSE(cli::IsOwnTerminal(slave_name));
  int saved = dup(0);
  dup2(slave, 0);
  EXPECT_TRUE(cli::IsOwnTerminal(slave_name));
  dup2(saved, 0);
  close(saved);
  close(slave);
  close(master);
}

}  // namespace
}  // namespace vrq5
