#include "win32/invoke_args.h"

#include "win32/variant_convert.h"

namespace surva::win32 {

InvokeArgs::InvokeArgs(const platform::VariantArray& args) {
  std::size_t n = args.size();
  args_.resize(n);
  cells_.reserve(n);  // never reallocated: arguments point into it
  for (auto& a : args_) VariantInit(&a);
  try {
    for (std::size_t i = 0; i < n; ++i) {
      const platform::Variant& arg = args[i];
      VARIANT& slot = args_[n - 1 - i];
      if (arg.isRef()) {
        cells_.emplace_back();
        VARIANT& cell = cells_.back();
        VariantInit(&cell);
        toVariant(*arg.refCell(), &cell);
        slot.vt = VT_BYREF | VT_VARIANT;
        slot.pvarVal = &cell;
        refs_.push_back({cells_.size() - 1, arg.refCell()});
      } else {
        toVariant(arg, &slot);
      }
    }
  } catch (...) {
    for (auto& a : args_) VariantClear(&a);
    for (auto& c : cells_) VariantClear(&c);
    throw;
  }
  params_.rgvarg = args_.empty() ? nullptr : args_.data();
  params_.cArgs = static_cast<UINT>(n);
}

InvokeArgs::~InvokeArgs() {
  for (auto& a : args_) VariantClear(&a);  // by-reference slots own nothing
  for (auto& c : cells_) VariantClear(&c);
}

void InvokeArgs::asPropertyPut() {
  params_.rgdispidNamedArgs = &putId_;
  params_.cNamedArgs = 1;
}

void InvokeArgs::writeBack() {
  for (auto& r : refs_) *r.target = fromVariant(cells_[r.cell]);
}

}  // namespace surva::win32
