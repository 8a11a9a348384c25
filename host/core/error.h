#pragma once
#include <stdexcept>
#include <string>

namespace host {

// The one exception type of the host: its text is UTF-8 and is what the
// application's error handler shows.
class Error : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The system's own message text for a Win32 error code, without the trailing line break.
std::string SystemErrorText(unsigned long code);

}  // namespace host
