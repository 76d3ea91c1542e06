// The check vrq5 write runs first: what it lets through is written exactly
// as a write without the check writes it.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/common.h"
#include "files/clone_file.h"
#include "link/transfer.h"
#include "radio/receiver.h"
#include "radio/sim_port.h"

namespace vrq5::cli {
namespace {

Document Demo() {
  Document doc;
  std::string path =
      (std::filesystem::path(VRQ5_SAMPLES_DIR) / "demo.VQ5").string();
  EXPECT_EQ(OpenNamedFile(doc, path), FileStatus::kOk);
  return doc;
}

struct Written {
  CommandResult result;
  std::vector<std::string> lines;
  std::array<uint8_t, radio::SimulatedReceiver::kMemorySize> memory;
};

// Write > ALL of `doc` into a factory-fresh receiver.
Written WriteAll(Document doc) {
  radio::SimulatedReceiver rx(doc.ModelIndex);
  radio::SimulatedPort port(rx);
  Link link(port);
  Transfer transfer(link, doc);
  CommandResult result = transfer.Run(UserCommand::kWriteAll);
  return {result, rx.lines(), rx.memory()};
}

TEST(WriteCheckCliTest, ACheckedWriteSendsWhatAnUncheckedOneSends) {
  Document doc = Demo();
  std::ostringstream out;
  ASSERT_TRUE(
      CheckWrite(doc, WriteScopeOf(UserCommand::kWriteAll), false, out));
  EXPECT_EQ(out.str().substr(0, 15), "warning S0     ");
  EXPECT_EQ(out.str().find("error"), std::string::npos);

  Written checked = WriteAll(doc);
  Written unchecked = WriteAll(Demo());
  EXPECT_EQ(checked.result, CommandResult::kSuccess);
  EXPECT_EQ(checked.lines, unchecked.lines);
  EXPECT_EQ(checked.memory, unchecked.memory);
}

TEST(WriteCheckCliTest, ErrorsStopTheWriteUnlessForced) {
  Document doc = Demo();
  doc.Mem[1].value[kFreq] = 1300.0;  // 00-001
  std::ostringstream out;
  EXPECT_FALSE(CheckWrite(doc, WriteScopeOf(UserCommand::kWrite), false, out));
  EXPECT_NE(out.str().find("error   00-001   Frequency"), std::string::npos);
  EXPECT_NE(out.str().find("1 error, 2 warnings; nothing was written"),
            std::string::npos)
      << out.str();

  out.str("");
  EXPECT_TRUE(CheckWrite(doc, WriteScopeOf(UserCommand::kWrite), true, out));
  EXPECT_NE(out.str().find("writing anyway (--force)"), std::string::npos);
  // Neither the settings nor the groups carry the channels.
  for (UserCommand part :
       {UserCommand::kWriteSettings, UserCommand::kWriteGroup}) {
    out.str("");
    EXPECT_TRUE(CheckWrite(doc, WriteScopeOf(part), false, out));
    EXPECT_EQ(out.str(), "");
  }
  // The bank write carries the bank sizes alone.
  EXPECT_TRUE(WriteScopeOf(UserCommand::kWriteBank).bank_sizes);
  EXPECT_FALSE(WriteScopeOf(UserCommand::kWriteBank).channels);
}

}  // namespace
}  // namespace vrq5::cli
