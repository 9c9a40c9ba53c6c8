#pragma once
// VARIANT and SAFEARRAY to platform::Variant and back.
#include <windows.h>
#include <oleauto.h>

#include "platform/variant.h"

namespace surva::win32 {

// Reads any VARIANT the program may meet: the kinds of platform::Variant,
// other numbers (as Int32 or Double), one-dimensional arrays of any element
// type (VT_R8 ones as a DoubleArray), two-dimensional ones as a Table (a
// spreadsheet range's values, any lower bounds), by-reference values (read
// through).
// An IDispatch becomes an Object calling it; one of our own adapters gives
// back the object it wraps. Throws AutomationError for anything else.
platform::Variant fromVariant(const VARIANT& v);

// Writes `value` into `out`, which must be empty (VariantInit). A Ref cannot
// be written here: by-reference arguments need storage that outlives the
// call (see InvokeArgs). An Object that is not a COM object is wrapped in a
// DispatchAdapter. A Table becomes a two-dimensional array of VARIANT with
// lower bounds 1.
void toVariant(const platform::Variant& value, VARIANT* out);

// Owns a VARIANT and clears it when dropped.
struct VariantHolder {
  VARIANT v;
  VariantHolder() { VariantInit(&v); }
  ~VariantHolder() { VariantClear(&v); }
  VariantHolder(const VariantHolder&) = delete;
  VariantHolder& operator=(const VariantHolder&) = delete;
};

}  // namespace surva::win32
