#include "text/error.h"

namespace surva {

text::u16 messageOf(const std::exception& e) {
  if (auto* f = dynamic_cast<const Failure*>(&e)) return f->message();
  return text::fromUtf8(e.what());
}

}  // namespace surva
