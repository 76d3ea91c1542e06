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
    Set(name, value);
  }
  ~ScopedEnv() { Set(name_, had_ ? old_.c_str() : nullptr); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  static void Set(const char* name, const char* value) {
#ifdef _WIN32
    // An empty value removes the variable here.
    ::_putenv_s(name, value ? value : "");
    ::_tzset();
#else
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
    ::tzset();
#endif
  }

  const char* name_;
  std::string old_;
  bool had_ = false;
};

}  // namespace vrq5::testing

#endif  // VRQ5_TESTS_SUPPORT_SCOPED_ENV_H_
