// The network probe of a POSIX system, against this machine only: a
// listener answers, a closed port does not, and no socket is left open.
#ifndef _WIN32
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "platform/posix/PosixSystem.hpp"

namespace tavrik {
namespace {

std::ptrdiff_t openDescriptors() {
  const std::filesystem::directory_iterator entries("/proc/self/fd");
  return std::distance(begin(entries), end(entries));
}

TEST(PosixProbe, AListenerAnswersAClosedPortDoesNotAndNoSocketStaysOpen) {
  const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  ASSERT_GE(listener, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);  // port 0: the system picks one
  socklen_t length = sizeof address;
  ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(listener, 4), 0);
  ASSERT_EQ(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length), 0);
  const std::string port = std::to_string(ntohs(address.sin_port));

  const std::ptrdiff_t before = openDescriptors();
  EXPECT_TRUE(connectsWithin("127.0.0.1", port, 3000));
  EXPECT_EQ(openDescriptors(), before);
  ::close(listener);
  EXPECT_FALSE(connectsWithin("127.0.0.1", port, 3000));
  EXPECT_EQ(openDescriptors(), before - 1);
}

}  // namespace
}  // namespace tavrik
#endif
