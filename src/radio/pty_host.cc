#include "radio/pty_host.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <map>

namespace vrq5::radio {

namespace {

void CloseFd(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

bool Fail(std::string* error, const char* what) {
  if (error) *error = std::string(what) + ": " + std::strerror(errno);
  return false;
}

// Writes all of `data`, waiting while the terminal's buffer is full.
void WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    ssize_t n = ::write(fd, data.data(), data.size());
    if (n > 0) {
      data.remove_prefix(static_cast<size_t>(n));
    } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
      pollfd p{fd, POLLOUT, 0};
      ::poll(&p, 1, 10);
    } else {
      return;
    }
  }
}

}  // namespace

bool PtyHost::Start(std::string* error) {
  if (running()) return true;
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0) return Fail(error, "posix_openpt");
  char name[128];
  if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
      ::ptsname_r(master_, name, sizeof name) != 0) {
    Fail(error, "pseudo-terminal");
    CloseFd(master_);
    return false;
  }
  device_path_ = name;
  slave_ = ::open(name, O_RDWR | O_NOCTTY);
  if (slave_ < 0) {
    Fail(error, "open slave");
    CloseFd(master_);
    return false;
  }
  termios t{};
  if (::tcgetattr(slave_, &t) == 0) {
    ::cfmakeraw(&t);
    ::cfsetispeed(&t, B38400);
    ::cfsetospeed(&t, B38400);
    ::tcsetattr(slave_, TCSANOW, &t);
  }
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  if (::pipe(wake_) != 0) {
    Fail(error, "pipe");
    CloseFd(slave_);
    CloseFd(master_);
    return false;
  }
  stop_ = false;
  thread_ = std::thread([this] { Serve(); });
  return true;
}

void PtyHost::Stop() {
  if (thread_.joinable()) {
    stop_ = true;
    char c = 0;
    [[maybe_unused]] ssize_t n = ::write(wake_[1], &c, 1);
    thread_.join();
  }
  CloseFd(wake_[0]);
  CloseFd(wake_[1]);
  CloseFd(slave_);
  CloseFd(master_);
}

void PtyHost::Serve() {
  using Clock = std::chrono::steady_clock;
  std::multimap<Clock::time_point, std::string> due;
  char buffer[512];
  while (!stop_) {
    auto now = Clock::now();
    while (!due.empty() && due.begin()->first <= now) {
      WriteAll(master_, due.begin()->second);
      due.erase(due.begin());
    }
    // Wait for the next due piece to the nanosecond: a millisecond's
    // rounding per piece would add up to several percent of a transfer on
    // a timed wire.
    auto wait = std::chrono::nanoseconds(std::chrono::milliseconds(100));
    if (!due.empty()) {
      wait = std::clamp<std::chrono::nanoseconds>(
          due.begin()->first - now, std::chrono::nanoseconds(0), wait);
    }
    timespec timeout{static_cast<time_t>(wait.count() / 1'000'000'000),
                     static_cast<long>(wait.count() % 1'000'000'000)};
    pollfd fds[2] = {{master_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
    int n = ::ppoll(fds, 2, &timeout, nullptr);
    if (n <= 0) continue;
    if (fds[1].revents & POLLIN) break;
    if (fds[0].revents & POLLIN) {
      ssize_t got = ::read(master_, buffer, sizeof buffer);
      if (got > 0) {
        auto arrived = Clock::now();
        for (auto& d : receiver_.Receive(
                 std::string_view(buffer, static_cast<size_t>(got)))) {
          due.emplace(
              arrived + std::chrono::duration_cast<Clock::duration>(d.after),
              std::move(d.data));
        }
      }
    } else if (fds[0].revents & (POLLHUP | POLLERR)) {
      // No client holds the line; the slave kept open makes this rare.
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
}

}  // namespace vrq5::radio
