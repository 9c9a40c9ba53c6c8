#pragma once
// What the fuzz targets share: an invariant check that stops the run with
// the broken condition, and ways to read program text out of the input.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "text/u16.h"

#define FUZZ_CHECK(cond)                                                             \
  do {                                                                               \
    if (!(cond)) {                                                                   \
      std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #cond); \
      std::abort();                                                                  \
    }                                                                                \
  } while (0)

namespace surva::fuzz {

// Takes bytes from the front of the input, as a parameter of the run.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}
  std::uint8_t byte() {
    if (rest_.empty()) return 0;
    auto b = static_cast<std::uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return b;
  }
  template <class T>
  T raw() {
    T v{};
    auto* p = reinterpret_cast<unsigned char*>(&v);
    for (std::size_t i = 0; i < sizeof v; ++i) p[i] = byte();
    return v;
  }
  // What is left, as bytes or as UTF-16 code units (low byte first; a lone
  // last byte is its own unit), so lone surrogates and NULs occur too.
  std::string_view bytes() const { return rest_; }
  text::u16 units() const {
    text::u16 out;
    for (std::size_t i = 0; i < rest_.size(); i += 2) {
      unsigned lo = static_cast<unsigned char>(rest_[i]);
      unsigned hi = i + 1 < rest_.size() ? static_cast<unsigned char>(rest_[i + 1]) : 0;
      out += static_cast<char16_t>(lo | hi << 8);
    }
    return out;
  }

 private:
  std::string_view rest_;
};

}  // namespace surva::fuzz
