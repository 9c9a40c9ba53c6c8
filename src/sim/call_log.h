#pragma once
// Every automation access to the stand-in, in order, so tests can count calls.
#include <string>
#include <vector>

#include "platform/variant.h"

namespace surva::sim {

enum class Access { Get, Put, Call };

struct CallRecord {
  text::u16 object;  // "Application", "Document", "Entity", ...
  text::u16 member;  // as the caller spelled it
  Access access = Access::Call;
  platform::VariantArray args;
};

class CallLog {
 public:
  // Arguments are kept as values: a by-reference argument as the value it
  // held, an object as an empty reference (so the log never keeps the CAD's
  // objects, and with them the CAD, alive).
  void add(CallRecord r);
  const std::vector<CallRecord>& records() const { return records_; }
  void clear() { records_.clear(); }
  // Calls of that member (without regard to case), on any object or on `object`.
  std::size_t count(text::u16view member, text::u16view object = {}) const;
  // The members in order, "Document.GetVariable" style.
  std::vector<std::string> names() const;
  // One line per call with its arguments, UTF-8.
  std::string text() const;

 private:
  std::vector<CallRecord> records_;
};

// A variant as readable text: 1, 2.5, "abc", (1,2,3), [a, b], <object>, &x.
std::string describe(const platform::Variant& v);

}  // namespace surva::sim
