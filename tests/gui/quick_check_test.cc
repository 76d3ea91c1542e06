// Tool > Read > Channels in use and Tool > Check Connection in the window.
#include "files/clone_file.h"
#include "radio/pty_host.h"
#include "tests/gui/window_fixture.h"

namespace vrq5::testing {
namespace {

class QuickAndCheckTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartOnSimulatedReceiver();
  }
};

TEST_F(QuickAndCheckTest, ChannelsInUseReadsWhatReadAllReads) {
  Document demo;
  ASSERT_EQ(OpenNamedFile(demo, SamplePath("demo.VQ5")), FileStatus::kOk);
  ASSERT_TRUE(window->SimulatedReceiver().LoadDocument(demo));
  Run("mnuReAll");
  Document full = doc();
  const int tab = window->CurrentTab();
  prompts.answers = {gui::Answer::kNo};  // the read is not saved
  window->NewData();
  window->SimulatedReceiver().ClearLines();
  Run("mnuReQuick");
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages.back().text, "Successed!!");
  EXPECT_EQ(doc().Mem, full.Mem);
  EXPECT_EQ(doc().MemFlag, full.MemFlag);
  EXPECT_EQ(doc().settings, full.settings);
  EXPECT_EQ(doc().BankSize, full.BankSize);
  // Fewer records asked for than the 1300 of Read > ALL.
  int records = 0;
  for (const auto& line : window->SimulatedReceiver().lines()) {
    if (line.size() == 10 && line.compare(0, 4, "QV~F") == 0 &&
        line.compare(4, 5, "00A00") >= 0) {
      ++records;
    }
  }
  EXPECT_EQ(
      records, demo.ChannelsInUse() + 20 - [&] {
        int tail = 0;
        for (int s = 1280; s < 1300; ++s) {
          tail += demo.MemFlag[s] == -1 ? 1 : 0;
        }
        return tail;
      }());
  // It shows the pages Read > ALL shows.
  EXPECT_EQ(window->CurrentTab(), tab);
  EXPECT_EQ(CellText(1, 1), full.Mem[0].text[kFreq]);
}

TEST_F(QuickAndCheckTest, CheckOfTheSimulatedReceiver) {
  Document before = doc();
  Run("mnuCheck");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].title, "Check Connection");
  EXPECT_EQ(prompts.messages[0].text,
            "The simulated receiver answers.\nModel: VR-Q5J. LinkBank: 00.\n"
            "Everything is ready for a transfer.");
  EXPECT_EQ(prompts.messages[0].icon, Message::Icon::kInformation);
  EXPECT_EQ(doc().Mem, before.Mem);
  EXPECT_FALSE(window->TransferRunning());

  radio::Faults silent;
  silent.silent_from = 1;
  window->SimulatedReceiver().set_faults(silent);
  Run("mnuCheck");
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[1].text.rfind("Nothing comes back.\n", 0), 0u);
  EXPECT_EQ(prompts.messages[1].icon, Message::Icon::kCritical);
}

TEST_F(QuickAndCheckTest, MissingPortIsNamed) {
  window->set_port_name("/dev/vrq5-no-such-port");
  Run("mnuCheck");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].text.find(
                "The port does not exist.\nThere is no port "
                "/dev/vrq5-no-such-port."),
            std::string::npos);
}

// A receiver of another model on a pseudo-terminal: the check names it
// and offers the model change, which asks about unsaved data as a click
// on the model does.
TEST_F(QuickAndCheckTest, AnotherModelIsOfferedAndChosen) {
  radio::SimulatedReceiver receiver(2);
  radio::PtyHost host(receiver);
  std::string error;
  ASSERT_TRUE(host.Start(&error)) << error;
  window->set_port_name(host.device_path());

  prompts.answers = {gui::Answer::kNo};
  Run("mnuCheck");
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_NE(prompts.questions[0].text.find("took that of the VR-Q70T"),
            std::string::npos);
  EXPECT_NE(prompts.questions[0].text.find("Switch to the model VR-Q70T?"),
            std::string::npos);
  EXPECT_EQ(prompts.question_buttons[0], gui::Buttons::kYesNo);
  EXPECT_EQ(doc().opbModel, 0);

  prompts.answers = {gui::Answer::kYes, gui::Answer::kNo};
  Run("mnuCheck");
  ASSERT_EQ(prompts.questions.size(), 3u);
  EXPECT_EQ(prompts.questions[2].text, "Save changes to settings?");
  EXPECT_EQ(doc().opbModel, 2);
  EXPECT_EQ(doc().ModelIndex, 2);

  // Now the check passes on that receiver.
  Run("mnuCheck");
  ASSERT_FALSE(prompts.messages.empty());
  EXPECT_EQ(prompts.messages.back().text.rfind("The receiver answers.", 0), 0u);
}

}  // namespace
}  // namespace vrq5::testing
