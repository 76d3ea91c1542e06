// An environment variable set for a test's length.
#ifndef VRQ5_TESTS_SUPPORT_SCOPED_ENV_H_
#define VRQ5_TESTS_SUPPORT_SCOPED_ENV_H_

#include <stdlib.h>
#include <time.h>

#include <string>

namespace vrq5::testing {

// Sets `name` to `value` (nullptr: unsets it) and puts it back afterwards;
// the time zone follows TZ.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    const char* old = ::getenv(name);
    had_ = old != nullptr;
    if (had_) old_ = old;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
    ::tzset();
  }
  ~ScopedEnv() {
    had_ ? ::setenv(name_, old_.c_str(), 1) : ::unsetenv(name_);
    ::tzset();
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::string old_;
  bool had_ = false;
};

}  // namespace vrq5::testing

#endif  // VRQ5_TESTS_SUPPORT_SCOPED_ENV_H_
