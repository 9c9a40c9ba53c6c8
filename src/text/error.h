#pragma once
// Failures are exceptions carrying a message for the user, in UTF-16.
#include <stdexcept>

#include "text/u16.h"

namespace surva {

class Failure : public std::runtime_error {
 public:
  explicit Failure(text::u16 message)
      : std::runtime_error(text::toUtf8(message)), message_(std::move(message)) {}
  const text::u16& message() const { return message_; }

 private:
  text::u16 message_;
};

// The user-facing message of any exception.
text::u16 messageOf(const std::exception& e);

}  // namespace surva
