#include "link/exchange.h"

#include <algorithm>
#include <exception>

namespace vrq5 {

namespace {

bool EndsWithCrLf(std::string_view text) {
  return text.size() >= 2 && text.substr(text.size() - 2) == "\r\n";
}

bool IsToken(std::string_view reply) {
  return reply == kTokenPortError || reply == kTokenNoReply ||
         reply == kTokenBadFrame;
}

}  // namespace

bool Link::EnsureOpen() {
  try {
    return port_.IsOpen() || port_.Open();
  } catch (const std::exception&) {
    return false;
  }
}

template <typename Complete>
bool Link::Exchange(std::string_view command, std::string& buffer,
                    Complete complete) {
  if (!EnsureOpen()) return false;
  std::string stale;
  if (!port_.ReadAvailable(stale)) return false;
  heard_ += static_cast<long>(stale.size());
  ++exchanges_;
  answer_may_follow_ = false;
  answered_ = false;
  if (!port_.Write(command)) return false;
  last_write_ = port_.Now();
  buffer.clear();
  const auto deadline = last_write_ + timeout_;
  while (true) {
    size_t before = buffer.size();
    bool read = port_.ReadAvailable(buffer);
    heard_ += static_cast<long>(buffer.size() - before);
    if (!read) return false;
    if (complete(buffer)) break;
    auto now = port_.Now();
    if (now >= deadline) {
      // The receiver was heard but its answer did not end within the wait:
      // the answer may still be on its way.
      if (!buffer.empty() && !EndsWithCrLf(buffer)) answer_may_follow_ = true;
      break;
    }
    port_.WaitForData(deadline - now);
  }
  answered_ = !buffer.empty() && buffer != command;
  return true;
}

bool Link::DrainLateAnswer() {
  // A line that never falls quiet is given up on after a few reply times;
  // the retry then runs as it would have.
  const auto give_up = port_.Now() + 4 * timeout_;
  // The last attempt may have been answered by an earlier attempt's late
  // answer, with its own answer still to come: the wait lasts at least
  // until that one would be as late as the earlier one could be (one more
  // reply time after its own).
  auto quiet_until =
      std::max(port_.Now() + timeout_, last_write_ + 2 * timeout_);
  std::string late;
  while (true) {
    auto now = port_.Now();
    if (now >= quiet_until || now >= give_up) return true;
    port_.WaitForData(std::min(quiet_until, give_up) - now);
    size_t before = late.size();
    bool read = port_.ReadAvailable(late);
    heard_ += static_cast<long>(late.size() - before);
    if (!read) return false;
    if (late.size() != before) quiet_until = port_.Now() + timeout_;
  }
}

int Link::SendCommand(std::string_view command) {
  const size_t needed = command.size() + 6;
  std::string buffer;
  try {
    bool ok = Exchange(command, buffer, [needed](const std::string& b) {
      return b.size() >= needed && EndsWithCrLf(b);
    });
    if (!ok) return kPortFailure;
  } catch (const std::exception&) {
    return kPortFailure;
  }
  if (buffer.size() < needed) return kNoReply;
  std::string_view tail = std::string_view(buffer).substr(buffer.size() - 6);
  if (tail == "\r\nOK\r\n") return kAcknowledged;
  if (tail == "\r\nRE\r\n") return kRefused;
  return kOtherReply;
}

std::string Link::SendQuery(std::string_view command) {
  std::string buffer;
  try {
    bool ok = Exchange(command, buffer, [](const std::string& b) {
      return b.size() > 67 && EndsWithCrLf(b);
    });
    if (!ok) return std::string(kTokenPortError);
  } catch (const std::exception&) {
    return std::string(kTokenPortError);
  }
  if (buffer.size() <= 67) return std::string(kTokenNoReply);
  std::string frame = buffer.substr(buffer.size() - 68);
  if (frame.compare(0, 2, "\r\n") != 0 || !EndsWithCrLf(frame)) {
    return std::string(kTokenBadFrame);
  }
  // The receiver sends 64 upper-case hex digits; anything else in the frame
  // is a damaged answer, never data.
  for (size_t i = 2; i < 66; ++i) {
    char c = frame[i];
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) {
      return std::string(kTokenBadFrame);
    }
  }
  return frame;
}

template <typename Attempt>
LoopEnd Link::Retry(int max_failures, Attempt attempt) {
  int failures = 0;
  bool late_answer_possible = false;
  bool answered = false;
  while (true) {
    if (cancelled()) return LoopEnd::kCancelled;
    const long heard_before = heard_;
    switch (attempt()) {
      case AttemptResult::kSuccess:
        if (late_answer_possible && !DrainLateAnswer())
          return LoopEnd::kStopped;
        return LoopEnd::kSuccess;
      case AttemptResult::kStop:
        return LoopEnd::kStopped;
      case AttemptResult::kFailed:
        // Whatever made the attempt fail (an answer cut off, damaged, or
        // a late answer of an earlier attempt taken in its place), the
        // answer to it may still be on its way once anything was heard.
        late_answer_possible |= answer_may_follow_ || heard_ > heard_before;
        answered |= answered_;
        if (++failures >= max_failures) {
          // A receiver that answered (if badly) may have an answer on its
          // way still; one that only echoed (a probe before the identity)
          // has none, and costs no wait.
          if (answered && late_answer_possible && !DrainLateAnswer()) {
            return LoopEnd::kStopped;
          }
          return LoopEnd::kGaveUp;
        }
        break;
    }
  }
}

QueryOutcome Link::QueryLoop(std::string_view command, int max_failures) {
  QueryOutcome out;
  out.end = Retry(max_failures, [&] {
    std::string reply = SendQuery(command);
    if (reply == kTokenPortError) return AttemptResult::kStop;
    if (IsToken(reply)) return AttemptResult::kFailed;
    out.reply = std::move(reply);
    return AttemptResult::kSuccess;
  });
  return out;
}

CommandOutcome Link::CommandLoop(std::string_view command, int max_failures) {
  CommandOutcome out;
  out.end = Retry(max_failures, [&] {
    out.status = SendCommand(command);
    if (out.status == kAcknowledged) return AttemptResult::kSuccess;
    if (out.status == kPortFailure || out.status == kRefused) {
      return AttemptResult::kStop;
    }
    return AttemptResult::kFailed;
  });
  return out;
}

}  // namespace vrq5
