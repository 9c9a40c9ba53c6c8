#include "win32/variant_convert.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "win32/com_error.h"
#include "win32/com_object.h"
#include "win32/com_ptr.h"
#include "win32/dispatch_adapter.h"
#include "win32/wide.h"

namespace surva::win32 {

using platform::Variant;
using platform::VariantArray;

namespace {

[[noreturn]] void typeMismatch() { throw platform::AutomationError(u"型が一致しません", DISP_E_TYPEMISMATCH); }

void check(HRESULT hr) {
  if (FAILED(hr)) throwComError(hr);
}

platform::ObjectPtr objectOf(IUnknown* unknown) {
  if (!unknown) return nullptr;
  if (auto own = DispatchAdapter::unwrap(unknown)) return own;
  ComPtr<IDispatch> dispatch;
  if (FAILED(unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(dispatch.put())))) typeMismatch();
  return std::make_shared<ComObject>(dispatch.get());
}

// Numbers of kinds the program does not name: whole ones as Int32 when they
// fit, the rest as Double.
Variant otherNumber(const VARIANT& v) {
  VariantHolder as;
  if (SUCCEEDED(VariantChangeType(&as.v, const_cast<VARIANT*>(&v), 0, VT_I4))) {
    switch (v.vt) {
      case VT_I1: case VT_UI1: case VT_UI2: case VT_UI4: case VT_I8: case VT_UI8: case VT_INT: case VT_UINT:
        return Variant(static_cast<std::int32_t>(as.v.lVal));
      default: break;
    }
  }
  VariantHolder d;
  if (FAILED(VariantChangeType(&d.v, const_cast<VARIANT*>(&v), 0, VT_R8))) typeMismatch();
  return Variant(d.v.dblVal);
}

// An element of an array of `element` type, read in place.
Variant elementAt(void* at, VARTYPE element) {
  if (element == VT_VARIANT) return fromVariant(*static_cast<VARIANT*>(at));
  // As a by-reference VARIANT of its type.
  VARIANT ref;
  VariantInit(&ref);
  ref.vt = element | VT_BYREF;
  ref.byref = at;
  return fromVariant(ref);
}

// Dimension d (1 = rows) as its lower bound and element count.
std::pair<LONG, std::int32_t> boundsOf(SAFEARRAY* sa, UINT d) {
  LONG lower = 0, upper = -1;
  check(SafeArrayGetLBound(sa, d, &lower));
  check(SafeArrayGetUBound(sa, d, &upper));
  return {lower, upper >= lower ? static_cast<std::int32_t>(upper - lower + 1) : 0};
}

// A two-dimensional array (a spreadsheet range's values), whatever its lower
// bounds. Elements are found by index, not by a guess at the memory order.
Variant fromTable(SAFEARRAY* sa, VARTYPE element) {
  const auto [rowLower, rows] = boundsOf(sa, 1);
  const auto [colLower, cols] = boundsOf(sa, 2);
  platform::VariantTable out(rows, cols);
  check(SafeArrayLock(sa));
  struct Unlock {
    SAFEARRAY* sa;
    ~Unlock() { SafeArrayUnlock(sa); }
  } unlock{sa};
  for (std::int32_t r = 0; r < rows; ++r) {
    for (std::int32_t c = 0; c < cols; ++c) {
      LONG index[2] = {rowLower + r, colLower + c};
      void* at = nullptr;
      check(SafeArrayPtrOfIndex(sa, index, &at));
      out.at(r, c) = elementAt(at, element);
    }
  }
  return Variant(std::move(out));
}

Variant fromArray(const VARIANT& v) {
  SAFEARRAY* sa = (v.vt & VT_BYREF) ? (v.pparray ? *v.pparray : nullptr) : v.parray;
  VARTYPE element = v.vt & VT_TYPEMASK;
  if (!sa) return element == VT_R8 ? Variant(std::vector<double>{}) : Variant(VariantArray{});
  if (SafeArrayGetDim(sa) == 2) return fromTable(sa, element);
  if (SafeArrayGetDim(sa) != 1) {
    throw platform::AutomationError(u"3 次元以上の配列は受け取れません", DISP_E_TYPEMISMATCH);
  }
  LONG lower = 0, upper = -1;
  check(SafeArrayGetLBound(sa, 1, &lower));
  check(SafeArrayGetUBound(sa, 1, &upper));
  std::size_t count = upper >= lower ? static_cast<std::size_t>(upper - lower + 1) : 0;
  void* data = nullptr;
  check(SafeArrayAccessData(sa, &data));
  struct Unaccess {
    SAFEARRAY* sa;
    ~Unaccess() { SafeArrayUnaccessData(sa); }
  } unaccess{sa};
  if (element == VT_R8) {
    std::vector<double> out(count);
    if (count) std::memcpy(out.data(), data, count * sizeof(double));
    return Variant(std::move(out));
  }
  VariantArray out;
  out.reserve(count);
  UINT size = SafeArrayGetElemsize(sa);
  for (std::size_t i = 0; i < count; ++i) out.push_back(elementAt(static_cast<char*>(data) + i * size, element));
  return Variant(std::move(out));
}

}  // namespace

Variant fromVariant(const VARIANT& v) {
  if (v.vt & VT_ARRAY) return fromArray(v);
  if (v.vt == (VT_BYREF | VT_VARIANT)) return v.pvarVal ? fromVariant(*v.pvarVal) : Variant();
  if (v.vt & VT_BYREF) {
    VariantHolder plain;
    check(VariantCopyInd(&plain.v, const_cast<VARIANT*>(&v)));
    return fromVariant(plain.v);
  }
  switch (v.vt) {
    case VT_EMPTY: return Variant();
    case VT_NULL: return Variant(platform::Null{});
    case VT_BOOL: return Variant(v.boolVal != VARIANT_FALSE);
    case VT_I2: return Variant(static_cast<std::int16_t>(v.iVal));
    case VT_I4: return Variant(static_cast<std::int32_t>(v.lVal));
    case VT_R8: return Variant(v.dblVal);
    case VT_BSTR: return Variant(fromBstr(v.bstrVal));
    case VT_DISPATCH: return Variant(objectOf(v.pdispVal));
    case VT_UNKNOWN: return Variant(objectOf(v.punkVal));
    // A missing optional argument is no value; any other is an error value
    // (a spreadsheet cell's #DIV/0!).
    case VT_ERROR:
      return v.scode == DISP_E_PARAMNOTFOUND ? Variant() : Variant(platform::ErrorValue{static_cast<std::int32_t>(v.scode)});
    case VT_DATE: return Variant(platform::Date{v.date});
    case VT_CY: return Variant(platform::Currency{v.cyVal.int64});
    case VT_I1: case VT_UI1: case VT_UI2: case VT_UI4: case VT_I8: case VT_UI8: case VT_INT: case VT_UINT:
    case VT_R4: case VT_DECIMAL:
      return otherNumber(v);
    default: typeMismatch();
  }
}

void toVariant(const Variant& value, VARIANT* out) {
  using K = Variant::Kind;
  switch (value.kind()) {
    case K::Empty: out->vt = VT_EMPTY; return;
    case K::Null: out->vt = VT_NULL; return;
    case K::Bool:
      out->vt = VT_BOOL;
      out->boolVal = value.toBool() ? VARIANT_TRUE : VARIANT_FALSE;
      return;
    case K::Int16:
      out->vt = VT_I2;
      out->iVal = static_cast<SHORT>(value.toInt());
      return;
    case K::Int32:
      out->vt = VT_I4;
      out->lVal = value.toInt();
      return;
    case K::Double:
      out->vt = VT_R8;
      out->dblVal = value.toDouble();
      return;
    case K::Text: {
      BSTR b = toBstr(value.toText());
      if (!b) throwComError(E_OUTOFMEMORY);
      out->vt = VT_BSTR;
      out->bstrVal = b;
      return;
    }
    case K::DoubleArray: {
      auto d = value.toDoubles();
      SAFEARRAY* sa = SafeArrayCreateVector(VT_R8, 0, static_cast<ULONG>(d.size()));
      if (!sa) throwComError(E_OUTOFMEMORY);
      if (!d.empty()) {
        void* data = nullptr;
        SafeArrayAccessData(sa, &data);
        std::memcpy(data, d.data(), d.size() * sizeof(double));
        SafeArrayUnaccessData(sa);
      }
      out->vt = VT_ARRAY | VT_R8;
      out->parray = sa;
      return;
    }
    case K::Array: {
      auto items = value.toArray();
      // 16-bit integers travel as an array of shorts: a CAD takes the group
      // codes of a selection filter only in that form.
      if (!items.empty() && std::all_of(items.begin(), items.end(), [](const Variant& i) {
            return i.deref().kind() == Variant::Kind::Int16;
          })) {
        SAFEARRAY* shorts = SafeArrayCreateVector(VT_I2, 0, static_cast<ULONG>(items.size()));
        if (!shorts) throwComError(E_OUTOFMEMORY);
        SHORT* data = nullptr;
        SafeArrayAccessData(shorts, reinterpret_cast<void**>(&data));
        for (std::size_t i = 0; i < items.size(); ++i) data[i] = static_cast<SHORT>(items[i].deref().toInt());
        SafeArrayUnaccessData(shorts);
        out->vt = VT_ARRAY | VT_I2;
        out->parray = shorts;
        return;
      }
      SAFEARRAY* sa = SafeArrayCreateVector(VT_VARIANT, 0, static_cast<ULONG>(items.size()));
      if (!sa) throwComError(E_OUTOFMEMORY);
      // From here the array belongs to `out`, so a failing element frees it.
      out->vt = VT_ARRAY | VT_VARIANT;
      out->parray = sa;
      if (items.empty()) return;
      VARIANT* data = nullptr;
      SafeArrayAccessData(sa, reinterpret_cast<void**>(&data));
      try {
        for (std::size_t i = 0; i < items.size(); ++i) toVariant(items[i], &data[i]);
      } catch (...) {
        SafeArrayUnaccessData(sa);
        throw;
      }
      SafeArrayUnaccessData(sa);
      return;
    }
    case K::Object: {
      auto object = value.toObjectOrNull();
      out->vt = VT_DISPATCH;
      out->pdispVal = nullptr;
      if (!object) return;
      if (auto* com = dynamic_cast<ComObject*>(object.get())) {
        out->pdispVal = com->dispatch();
        out->pdispVal->AddRef();
      } else {
        out->pdispVal = DispatchAdapter::wrap(std::move(object));
      }
      return;
    }
    case K::Date:
      out->vt = VT_DATE;
      out->date = value.toDouble();
      return;
    case K::Currency:
      out->vt = VT_CY;
      out->cyVal.int64 = value.currency().scaled;
      return;
    case K::Error:
      out->vt = VT_ERROR;
      out->scode = value.errorCode();
      return;
    case K::Ref:
      throw platform::AutomationError(u"参照渡しの値はここでは渡せません", DISP_E_TYPEMISMATCH);
    case K::Table: {
      const platform::VariantTable& t = value.table();
      // Lower bounds 1, as a spreadsheet gives a range's values.
      SAFEARRAYBOUND bounds[2] = {{static_cast<ULONG>(t.rows), 1}, {static_cast<ULONG>(t.cols), 1}};
      SAFEARRAY* sa = SafeArrayCreate(VT_VARIANT, 2, bounds);
      if (!sa) throwComError(E_OUTOFMEMORY);
      // From here the array belongs to `out`, so a failing element frees it.
      out->vt = VT_ARRAY | VT_VARIANT;
      out->parray = sa;
      check(SafeArrayLock(sa));
      struct Unlock {
        SAFEARRAY* sa;
        ~Unlock() { SafeArrayUnlock(sa); }
      } unlock{sa};
      for (std::int32_t r = 0; r < t.rows; ++r) {
        for (std::int32_t c = 0; c < t.cols; ++c) {
          LONG index[2] = {r + 1, c + 1};
          void* at = nullptr;
          check(SafeArrayPtrOfIndex(sa, index, &at));
          toVariant(t.at(r, c), static_cast<VARIANT*>(at));
        }
      }
      return;
    }
  }
}

}  // namespace surva::win32
