#pragma once
// The arguments of one outgoing IDispatch::Invoke: converted, in the reversed
// order Invoke expects, with storage for by-reference arguments that lives
// until the call has returned and its results are written back.
#include <windows.h>
#include <oleauto.h>

#include <vector>

#include "platform/variant.h"

namespace surva::win32 {

class InvokeArgs {
 public:
  explicit InvokeArgs(const platform::VariantArray& args);
  ~InvokeArgs();
  InvokeArgs(const InvokeArgs&) = delete;
  InvokeArgs& operator=(const InvokeArgs&) = delete;

  // Marks the (single) argument as the value of a property put.
  void asPropertyPut();
  DISPPARAMS* params() { return &params_; }
  // Copies what the callee left in the by-reference arguments into their
  // Variant ref cells.
  void writeBack();

 private:
  struct RefArg {
    std::size_t cell;
    platform::VariantRef target;
  };
  std::vector<VARIANT> args_;   // reversed
  std::vector<VARIANT> cells_;  // what by-reference arguments point to
  std::vector<RefArg> refs_;
  DISPID putId_ = DISPID_PROPERTYPUT;
  DISPPARAMS params_{};
};

}  // namespace surva::win32
