#include "link/exchange.h"

#include <gtest/gtest.h>

#include "link/scripted_port.h"

namespace vrq5 {
namespace {

using std::chrono::milliseconds;
using testing::Piece;
using testing::ScriptedPort;

const std::string kRead = "QV~F00A00R\r";  // 11 characters
const std::string kFrame =
    "\r\n" + std::string("0123456789ABCDEF") + std::string(48, '0') + "\r\n";

class ExchangeTest : public ::testing::Test {
 protected:
  ScriptedPort port;
  Link link{port};
};

TEST_F(ExchangeTest, CommandStatusesFromTheLastSixCharacters) {
  const std::string cmd = "QV~FINISH\r";
  port.Answer({{milliseconds(1), cmd + "\r\nOK\r\n"}});
  port.Answer({{milliseconds(1), cmd + "\r\nRE\r\n"}});
  port.Answer({{milliseconds(1), cmd + "\r\nNG\r\n"}});
  port.Answer({});
  EXPECT_EQ(link.SendCommand(cmd), kAcknowledged);
  EXPECT_EQ(link.SendCommand(cmd), kRefused);
  EXPECT_EQ(link.SendCommand(cmd), kOtherReply);
  EXPECT_EQ(link.SendCommand(cmd), kNoReply);
  EXPECT_EQ(port.written, std::vector<std::string>(4, cmd));
}

TEST_F(ExchangeTest, CommandInPiecesEndsWhenTheLastPieceArrives) {
  const std::string cmd = "QV~IM\r";
  port.Answer({{milliseconds(2), "QV~"},
               {milliseconds(5), "IM\r\r\n"},
               {milliseconds(9), "OK"},
               {milliseconds(13), "\r\n"}});
  EXPECT_EQ(link.SendCommand(cmd), kAcknowledged);
  EXPECT_EQ(port.elapsed(), milliseconds(13));
}

TEST_F(ExchangeTest, CommandWaitsForTheLineEndAfterEnoughCharacters) {
  // A stray character makes the answer long enough before its last line end
  // has come; the status is read once that has come.
  const std::string cmd = "QV~IM\r";
  port.Answer(
      {{milliseconds(1), "x" + cmd + "\r\nOK\r"}, {milliseconds(20), "\n"}});
  EXPECT_EQ(link.SendCommand(cmd), kAcknowledged);
  EXPECT_EQ(port.elapsed(), milliseconds(20));
}

TEST_F(ExchangeTest, CommandWithoutEchoOrTooShortIsNoReply) {
  const std::string cmd = "QV~VR-Q5J\r";
  port.Answer({{milliseconds(1), "\r\nOK\r\n"}});  // no echo
  EXPECT_EQ(link.SendCommand(cmd), kNoReply);
  EXPECT_EQ(port.elapsed(), kDefaultReplyTimeout);
  // One character short of the echo plus six.
  port.Answer({{milliseconds(1), cmd.substr(1) + "\r\nOK\r\n"}});
  EXPECT_EQ(link.SendCommand(cmd), kNoReply);
}

TEST_F(ExchangeTest, WaitingCharactersAreThrownAwayBeforeWriting) {
  port.Inject(milliseconds(0), "\r\nOK\r\n");
  port.open = true;
  const std::string cmd = "QV~IM\r";
  port.Answer({{milliseconds(1), cmd + "\r\nRE\r\n"}});
  EXPECT_EQ(link.SendCommand(cmd), kRefused);
}

TEST_F(ExchangeTest, PortErrorsGiveStatusThreeAndErrorZero) {
  port.open_fails = true;
  EXPECT_EQ(link.SendCommand("QV~IM\r"), kPortFailure);
  EXPECT_EQ(link.SendQuery(kRead), kTokenPortError);
  EXPECT_TRUE(port.written.empty());
  port.open_fails = false;
  port.io_fails = true;
  EXPECT_EQ(link.SendCommand("QV~IM\r"), kPortFailure);
  EXPECT_EQ(link.SendQuery(kRead), kTokenPortError);
}

TEST_F(ExchangeTest, QueryReturnsTheLastSixtyEightCharacters) {
  port.Answer({{milliseconds(1), kRead}, {milliseconds(3), kFrame}});
  EXPECT_EQ(link.SendQuery(kRead), kFrame);
  EXPECT_EQ(port.elapsed(), milliseconds(3));
  // Without an echo the frame alone is enough.
  port.Answer({{milliseconds(1), kFrame}});
  EXPECT_EQ(link.SendQuery(kRead), kFrame);
}

TEST_F(ExchangeTest, QueryLengthAndFrameRules) {
  // 67 characters: not enough.
  port.Answer({{milliseconds(1), kFrame.substr(1)}});
  EXPECT_EQ(link.SendQuery(kRead), kTokenNoReply);
  // 68 characters ending in CR LF but not beginning with it.
  port.Answer({{milliseconds(1), "XY" + kFrame.substr(2)}});
  EXPECT_EQ(link.SendQuery(kRead), kTokenBadFrame);
  // More than 67 characters that never end in CR LF.
  port.Answer({{milliseconds(1), kRead + kFrame.substr(0, 67) + "Z"}});
  EXPECT_EQ(link.SendQuery(kRead), kTokenBadFrame);
  // Nothing at all.
  port.Answer({});
  EXPECT_EQ(link.SendQuery(kRead), kTokenNoReply);
}

TEST_F(ExchangeTest, LateReplyIsLeftForTheNextExchangeAndThrownAway) {
  std::string other = kFrame;
  other[2] = 'F';
  port.Answer({{milliseconds(650), kRead + other}});
  EXPECT_EQ(link.SendQuery(kRead), kTokenNoReply);
  EXPECT_EQ(port.elapsed(), milliseconds(500));
  port.WaitForData(milliseconds(300));  // the late reply is in by now
  port.Answer({{milliseconds(1), kRead + kFrame}});
  EXPECT_EQ(link.SendQuery(kRead), kFrame);
}

TEST_F(ExchangeTest, TimeoutIsInjectable) {
  Link quick(port, milliseconds(40));
  EXPECT_EQ(quick.SendQuery(kRead), kTokenNoReply);
  EXPECT_EQ(port.elapsed(), milliseconds(40));
}

TEST_F(ExchangeTest, QueryLoopCountsFailuresAndStopsOnPortErrors) {
  for (int i = 0; i < 9; ++i) port.Answer({});
  port.Answer({{milliseconds(1), kFrame}});
  QueryOutcome q = link.QueryLoop(kRead);
  EXPECT_EQ(q.end, LoopEnd::kSuccess);
  EXPECT_EQ(q.reply, kFrame);
  EXPECT_EQ(port.written.size(), 10u);

  port.written.clear();
  for (int i = 0; i < 10; ++i) port.Answer({{milliseconds(1), "junk"}});
  port.Answer({{milliseconds(1), kFrame}});
  EXPECT_EQ(link.QueryLoop(kRead).end, LoopEnd::kGaveUp);
  EXPECT_EQ(port.written.size(), 10u);

  port.written.clear();
  EXPECT_EQ(link.QueryLoop(kRead, 3).end, LoopEnd::kSuccess);  // leftover
  port.written.clear();
  EXPECT_EQ(link.QueryLoop(kRead, 3).end, LoopEnd::kGaveUp);
  EXPECT_EQ(port.written.size(), 3u);

  port.written.clear();
  port.io_fails = true;
  EXPECT_EQ(link.QueryLoop(kRead).end, LoopEnd::kStopped);
}

TEST_F(ExchangeTest, CommandLoopRetriesOneAndTwoAndStopsOnThreeAndFour) {
  const std::string cmd = "QV~IM\r";
  // A success resets the count: each command has ten attempts of its own.
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < 9; ++i) {
      port.Answer(
          i % 2 ? std::vector<Piece>{}
                : std::vector<Piece>{{milliseconds(1), cmd + "\r\nNG\r\n"}});
    }
    port.Answer({{milliseconds(1), cmd + "\r\nOK\r\n"}});
  }
  EXPECT_TRUE(link.CommandLoop(cmd).ok());
  EXPECT_TRUE(link.CommandLoop(cmd).ok());
  EXPECT_EQ(port.written.size(), 20u);

  port.written.clear();
  EXPECT_EQ(link.CommandLoop(cmd).end, LoopEnd::kGaveUp);
  EXPECT_EQ(port.written.size(), 10u);

  port.written.clear();
  port.Answer({{milliseconds(1), cmd + "\r\nRE\r\n"}});
  CommandOutcome refused = link.CommandLoop(cmd);
  EXPECT_EQ(refused.end, LoopEnd::kStopped);
  EXPECT_EQ(refused.status, kRefused);
  EXPECT_EQ(port.written.size(), 1u);

  port.io_fails = true;
  CommandOutcome broken = link.CommandLoop(cmd);
  EXPECT_EQ(broken.end, LoopEnd::kStopped);
  EXPECT_EQ(broken.status, kPortFailure);
}

TEST_F(ExchangeTest, RaisedCancelFlagStopsLoopsBeforeTheNextExchange) {
  std::atomic<bool> cancel{true};
  link.set_cancel_flag(&cancel);
  EXPECT_EQ(link.QueryLoop(kRead).end, LoopEnd::kCancelled);
  EXPECT_EQ(link.CommandLoop("QV~IM\r").end, LoopEnd::kCancelled);
  EXPECT_TRUE(port.written.empty());
}

TEST_F(ExchangeTest, TransferGuardAdmitsOneHolder) {
  {
    TransferGuard first(link);
    TransferGuard second(link);
    EXPECT_TRUE(first.held());
    EXPECT_FALSE(second.held());
    EXPECT_TRUE(link.busy());
  }
  EXPECT_FALSE(link.busy());
}

}  // namespace
}  // namespace vrq5

namespace vrq5 {
namespace {

using std::chrono::milliseconds;
using testing::ScriptedPort;

const std::string kReadA = "QV~F00A00R\r";
const std::string kReadB = "QV~F00A20R\r";
std::string Frame(char digit) {
  return "\r\n" + std::string(64, digit) + "\r\n";
}

TEST(LateAnswerTest, FrameWithAnythingButHexDigitsIsDamaged) {
  ScriptedPort port;
  Link link(port);
  for (std::string bad :
       {"\r\n" + std::string(63, '0') + "\xB0\r\n",
        "\r\n" + std::string(63, 'a') + "A\r\n",
        "\r\n" + std::string(32, '0') + " " + std::string(31, '0') + "\r\n"}) {
    port.Answer({{milliseconds(1), kReadA + bad}});
    EXPECT_EQ(link.SendQuery(kReadA), kTokenBadFrame);
  }
}

// An answer that comes after the wait must not be taken for the answer of a
// later command: the link lets it arrive before it goes on.
TEST(LateAnswerTest, LateAnswerNeverBecomesTheNextCommandsAnswer) {
  ScriptedPort port;
  Link link(port);
  port.Answer({{milliseconds(1), kReadA}, {milliseconds(700), Frame('A')}});
  port.Answer({{milliseconds(1), kReadA + Frame('A')}});
  port.Answer({{milliseconds(1), kReadB}, {milliseconds(400), Frame('B')}});
  QueryOutcome first = link.QueryLoop(kReadA);
  ASSERT_TRUE(first.ok());
  EXPECT_EQ(first.reply, Frame('A'));
  QueryOutcome second = link.QueryLoop(kReadB);
  ASSERT_TRUE(second.ok());
  EXPECT_EQ(second.reply, Frame('B'));
  // The failed attempt waited 500 ms, then the line until 500 ms after the
  // late answer.
  EXPECT_EQ(link.exchanges(), 3);
}

// Two late answers in a row: the first attempt's answer completes the
// second attempt, whose own answer is still on its way. It arrives later
// than a reply time after the first one, and must still not become the
// answer of the next command (here one whose own answer is lost).
TEST(LateAnswerTest, TheRetriedAttemptsOwnLateAnswerIsLetArriveToo) {
  ScriptedPort port;
  Link link(port);
  port.Answer({{milliseconds(1), kReadA}, {milliseconds(584), Frame('A')}});
  port.Answer({{milliseconds(1), kReadA}, {milliseconds(767), Frame('A')}});
  port.Answer({{milliseconds(1), kReadB}});  // the answer is lost
  port.Answer({{milliseconds(1), kReadB + Frame('B')}});
  QueryOutcome first = link.QueryLoop(kReadA);
  ASSERT_TRUE(first.ok());
  EXPECT_EQ(first.reply, Frame('A'));
  QueryOutcome second = link.QueryLoop(kReadB);
  ASSERT_TRUE(second.ok());
  EXPECT_EQ(second.reply, Frame('B'));
  EXPECT_EQ(link.exchanges(), 4);
}

// An attempt that fails on a complete answer that was not its own (a late
// answer of the command before) has its own answer still to come.
TEST(LateAnswerTest, AnAttemptSpoiltByAnotherAnswerIsWaitedFor) {
  ScriptedPort port;
  Link link(port);
  const std::string ok = "\r\nOK\r\n";
  const std::string identity = "QV~VR-Q5J\r";
  // The probe's answer is so late that it lands in the identity's wait.
  port.Answer({{milliseconds(1), kReadA}, {milliseconds(635), Frame('A')}});
  port.Answer({{milliseconds(1), identity}, {milliseconds(635), ok}});
  port.Answer({{milliseconds(1), identity}, {milliseconds(635), ok}});
  port.Answer({{milliseconds(1), kReadB}});  // the answer is lost
  port.Answer({{milliseconds(1), kReadB + Frame('B')}});
  EXPECT_FALSE(link.QueryLoop(kReadA, 1).ok());
  EXPECT_TRUE(link.CommandLoop(identity).ok());
  // The second identity's own answer (due at 1270 ms) has come and gone.
  EXPECT_GE(port.elapsed(), milliseconds(1270));
  QueryOutcome read = link.QueryLoop(kReadB);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.reply, Frame('B'));
}

// A loop that gives up after the receiver answered (badly) may leave a
// late answer on its way too.
TEST(LateAnswerTest, ALoopThatGivesUpAfterAnswersLetsTheLateOneArrive) {
  ScriptedPort port;
  Link link(port);
  const std::string damaged = "\r\n" + std::string(63, 'A') + "\xC1\r\n";
  port.Answer({{milliseconds(1), kReadA + damaged}});
  port.Answer({{milliseconds(1), kReadA}, {milliseconds(539), Frame('A')}});
  port.Answer({{milliseconds(1), kReadA + damaged}});
  port.Answer({{milliseconds(1), kReadB}});  // the answer is lost
  port.Answer({{milliseconds(1), kReadB + Frame('B')}});
  EXPECT_EQ(link.QueryLoop(kReadA, 3).end, LoopEnd::kGaveUp);
  QueryOutcome read = link.QueryLoop(kReadB);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.reply, Frame('B'));
}

TEST(LateAnswerTest, UnansweredAttemptsCostNoMoreThanTheirWaits) {
  ScriptedPort port;
  Link link(port);
  for (int i = 0; i < 3; ++i) port.Answer({});  // not even an echo
  EXPECT_FALSE(link.QueryLoop(kReadA, 3).ok());
  EXPECT_EQ(port.elapsed(), 3 * kDefaultReplyTimeout);
  // An unidentified receiver echoes the probe and answers nothing.
  for (int i = 0; i < 3; ++i) port.Answer({{milliseconds(1), kReadA}});
  EXPECT_FALSE(link.QueryLoop(kReadA, 3).ok());
  EXPECT_EQ(port.elapsed(), 6 * kDefaultReplyTimeout);
  // A first answer in time costs nothing more either.
  port.Answer({{milliseconds(1), kReadA + Frame('C')}});
  EXPECT_TRUE(link.QueryLoop(kReadA, 3).ok());
  EXPECT_EQ(port.elapsed(), 6 * kDefaultReplyTimeout + milliseconds(1));
  // Silence, then an answer: nothing can be on its way, so no wait either.
  port.Answer({});
  port.Answer({{milliseconds(1), kReadA + Frame('D')}});
  EXPECT_TRUE(link.QueryLoop(kReadA, 3).ok());
  EXPECT_EQ(port.elapsed(), 7 * kDefaultReplyTimeout + milliseconds(2));
}

TEST(LateAnswerTest, AChatteringLineIsGivenUpOn) {
  ScriptedPort port;
  Link link(port);
  port.Answer({{milliseconds(1), kReadA}});
  std::vector<testing::Piece> noise = {{milliseconds(1), kReadA + Frame('A')}};
  for (int t = 100; t < 10000; t += 100)
    noise.push_back({milliseconds(t), "x"});
  port.Answer(noise);
  EXPECT_TRUE(link.QueryLoop(kReadA).ok());
  EXPECT_LE(port.elapsed(), 5 * kDefaultReplyTimeout + milliseconds(100));
}

}  // namespace
}  // namespace vrq5
