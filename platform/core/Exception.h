// The error every command raises. Messages are UTF-8 and shown to the user as they stand by
// the application's default error handler (which adds a full stop when there is none).
#pragma once

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// Reading or writing a stream or file failed.
class EStreamError : public Exception {
 public:
  using Exception::Exception;
};

// A picture's data could not be understood.
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};
