#include "radio/pty_host.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>

namespace vrq5::radio {
namespace {

// Reads from `fd` until `want` characters have come or a second passed.
std::string ReadSome(int fd, size_t want) {
  std::string got;
  auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
  while (got.size() < want && std::chrono::steady_clock::now() < end) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 50) > 0) {
      char buffer[256];
      ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n > 0) got.append(buffer, static_cast<size_t>(n));
    }
  }
  return got;
}

TEST(PtyHostTest, ServesTheReceiverOnTheSlaveDevice) {
  SimulatedReceiver rx;
  PtyHost host(rx);
  std::string error;
  ASSERT_TRUE(host.Start(&error)) << error;
  ASSERT_FALSE(host.device_path().empty());
  int fd = ::open(host.device_path().c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(fd, 0);
  termios t{};
  ASSERT_EQ(::tcgetattr(fd, &t), 0);
  ::cfmakeraw(&t);
  ::tcsetattr(fd, TCSANOW, &t);

  const std::string id = "QV~VR-Q5J\r";
  ASSERT_EQ(::write(fd, id.data(), id.size()), static_cast<ssize_t>(id.size()));
  EXPECT_EQ(ReadSome(fd, id.size() + 6), id + "\r\nOK\r\n");
  const std::string read = "QV~F00000R\r";
  ASSERT_EQ(::write(fd, read.data(), read.size()),
            static_cast<ssize_t>(read.size()));
  std::string got = ReadSome(fd, read.size() + 68);
  EXPECT_EQ(got, read + "\r\n" + rx.HexAt(0, 32) + "\r\n");
  ::close(fd);
  host.Stop();
  host.Stop();
  EXPECT_FALSE(host.running());
  EXPECT_EQ(rx.commands(), 2);
}

}  // namespace
}  // namespace vrq5::radio
