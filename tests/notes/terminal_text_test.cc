// What a terminal shows of the program's text: the columns a text takes
// and its bytes in the terminal's encoding; on Windows the console that
// takes UTF-8, so that notes in Japanese print as they are.
#include "notes/terminal_text.h"

#include <gtest/gtest.h>

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

namespace vrq5 {
namespace {

TEST(TerminalTextTest, ColumnsAndBytesInTheTerminalsEncoding) {
  const std::string airport = "\xe7\xa9\xba\xe6\xb8\xaf";  // two kanji
  const std::string half_kana = "\xef\xbd\xb1";            // one column
  EXPECT_EQ(TerminalColumns(airport), 4u);
  EXPECT_EQ(TerminalColumns("APP " + half_kana), 5u);
  EXPECT_EQ(Utf8ForTerminal("caf\xc3\xa9", "ANSI_X3.4-1968"), "caf?");
  EXPECT_EQ(Utf8ForTerminal("x" + airport, "utf8"), "x" + airport);
  EXPECT_TRUE(IsUtf8Codeset("UTF-8"));
  EXPECT_FALSE(IsUtf8Codeset("SHIFT_JIS"));
#ifdef _WIN32
  // The console is set to UTF-8: notes go out as they are, each character
  // counted by its columns there.
  EXPECT_EQ(TerminalCodeset(), "UTF-8");
  EXPECT_TRUE(TerminalIsUtf8());
  if (!UseUtf8Console()) {
    // Started without a console (its output going to a pipe) there is none
    // to set; the Windows check runs this test again on a terminal, with
    // VRQ5_CONSOLE set, where it must.
    ASSERT_EQ(std::getenv("VRQ5_CONSOLE"), nullptr)
        << "the console was not set to UTF-8";
    GTEST_SKIP() << "no console: the output goes to a pipe";
  }
  EXPECT_EQ(::GetConsoleOutputCP(), static_cast<UINT>(CP_UTF8));
  EXPECT_EQ(Utf8ForTerminal(airport, TerminalCodeset()), airport);
  EXPECT_EQ(TerminalColumns(airport, TerminalCodeset()), 4u);
#endif
}

}  // namespace
}  // namespace vrq5
