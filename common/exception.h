// The base exception class that the whole setup program shares: the toolkit
// raises it, the path helpers raise it, the toolkit's exception display and
// the program entry catch it.
#pragma once

#include <exception>
#include <string>

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}

  // The message in code page 932, as the user reads it.
  const std::string& Message() const { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};
