// VARIANT kinds a real CAD may answer with beyond those the stand-in sends:
// other integer and float widths, arrays of other element types or bounds,
// a spreadsheet range's two-dimensional values, by-reference values; and
// the adapter called in-process.
#include "e2e.h"

#include <cstring>
#include <cwchar>

#include "win32/com_apartment.h"
#include "win32/com_error.h"
#include "win32/com_object.h"
#include "win32/dispatch_adapter.h"
#include "win32/variant_convert.h"

using namespace surva;
using platform::Variant;
using platform::VariantArray;
using win32::VariantHolder;

namespace {

bool throwsTypeMismatch(const VARIANT& v) {
  try {
    win32::fromVariant(v);
  } catch (const platform::AutomationError& e) {
    return e.code() == std::int32_t(DISP_E_TYPEMISMATCH);
  }
  return false;
}

void otherNumberWidths() {
  VariantHolder v;
  v.v.vt = VT_I8;
  v.v.llVal = 0x00010002;  // a window handle from a 64-bit CAD
  E2E_CHECK(win32::fromVariant(v.v) == Variant(std::int32_t(0x00010002)));
  v.v.llVal = 1LL << 40;
  E2E_CHECK(win32::fromVariant(v.v) == Variant(double(1LL << 40)));
  v.v.vt = VT_R4;
  v.v.fltVal = 0.5f;
  E2E_CHECK(win32::fromVariant(v.v) == Variant(0.5));
  v.v.vt = VT_UI1;
  v.v.bVal = 200;
  E2E_CHECK(win32::fromVariant(v.v) == Variant(std::int32_t(200)));
  v.v.vt = VT_ERROR;
  v.v.scode = DISP_E_PARAMNOTFOUND;  // a missing optional argument
  E2E_CHECK(win32::fromVariant(v.v).isEmpty());
  double d = 7.25;
  VARIANT ref;
  VariantInit(&ref);
  ref.vt = VT_BYREF | VT_R8;
  ref.pdblVal = &d;
  E2E_CHECK(win32::fromVariant(ref) == Variant(7.25));
  v.v.vt = VT_RECORD;
  v.v.pvRecord = nullptr;
  E2E_CHECK(throwsTypeMismatch(v.v));
  v.v.vt = VT_EMPTY;
}

void arraysOfOtherShapes() {
  // A filter-type array (16-bit integers), as selection filters use.
  VariantHolder shorts;
  shorts.v.vt = VT_ARRAY | VT_I2;
  shorts.v.parray = SafeArrayCreateVector(VT_I2, 0, 2);
  SHORT* s = nullptr;
  SafeArrayAccessData(shorts.v.parray, reinterpret_cast<void**>(&s));
  s[0] = 0;
  s[1] = 8;
  SafeArrayUnaccessData(shorts.v.parray);
  E2E_CHECK(win32::fromVariant(shorts.v) == Variant(VariantArray{Variant(std::int16_t(0)), Variant(std::int16_t(8))}));
  // ... and the program sends its filter types the same way.
  VariantHolder sent;
  win32::toVariant(Variant(VariantArray{Variant(std::int16_t(0))}), &sent.v);
  E2E_CHECK_EQ(sent.v.vt, VARTYPE(VT_ARRAY | VT_I2));

  VariantHolder texts;
  texts.v.vt = VT_ARRAY | VT_BSTR;
  texts.v.parray = SafeArrayCreateVector(VT_BSTR, 0, 2);
  LONG i0 = 0, i1 = 1;
  BSTR a = SysAllocString(L"TEXT"), b = SysAllocString(L"測点");
  SafeArrayPutElement(texts.v.parray, &i0, a);
  SafeArrayPutElement(texts.v.parray, &i1, b);
  SysFreeString(a);
  SysFreeString(b);
  E2E_CHECK(win32::fromVariant(texts.v) == Variant(VariantArray{Variant(u"TEXT"), Variant(u"測点")}));

  // A lower bound of 1 still gives elements from index 0.
  VariantHolder fromOne;
  SAFEARRAYBOUND bound{3, 1};
  fromOne.v.vt = VT_ARRAY | VT_R8;
  fromOne.v.parray = SafeArrayCreate(VT_R8, 1, &bound);
  double* d = nullptr;
  SafeArrayAccessData(fromOne.v.parray, reinterpret_cast<void**>(&d));
  d[0] = 1;
  d[1] = 2;
  d[2] = 3;
  SafeArrayUnaccessData(fromOne.v.parray);
  E2E_CHECK(win32::fromVariant(fromOne.v) == Variant::point(1, 2, 3));

  // Two dimensions, as a spreadsheet gives a range's values: element (r, c)
  // by index whatever the bounds (here 0 and 5), 2 rows by 3 columns.
  VariantHolder grid;
  SAFEARRAYBOUND bounds[2] = {{2, 0}, {3, 5}};
  grid.v.vt = VT_ARRAY | VT_VARIANT;
  grid.v.parray = SafeArrayCreate(VT_VARIANT, 2, bounds);
  for (LONG r = 0; r < 2; ++r) {
    for (LONG c = 0; c < 3; ++c) {
      LONG at[2] = {r, 5 + c};
      VariantHolder e;
      e.v.vt = VT_R8;
      e.v.dblVal = 10.0 * r + c;
      SafeArrayPutElement(grid.v.parray, at, &e.v);
    }
  }
  const Variant table = win32::fromVariant(grid.v);
  E2E_REQUIRE(table.kind() == Variant::Kind::Table);
  E2E_CHECK_EQ(table.table().rows, 2);
  E2E_CHECK_EQ(table.table().cols, 3);
  E2E_CHECK(table.table().at(1, 2) == Variant(12.0));
  E2E_CHECK(table.table().at(0, 1) == Variant(1.0));
  // ... and the program sends one with lower bounds 1, rows first.
  VariantHolder back;
  platform::VariantTable texts2(3, 2);
  texts2.at(2, 0) = Variant(u"測点");
  texts2.at(0, 1) = Variant(2.5);
  win32::toVariant(Variant(texts2), &back.v);
  E2E_CHECK_EQ(back.v.vt, VARTYPE(VT_ARRAY | VT_VARIANT));
  E2E_CHECK_EQ(SafeArrayGetDim(back.v.parray), 2u);
  LONG lower = 0, upper = 0;
  SafeArrayGetLBound(back.v.parray, 1, &lower);
  SafeArrayGetUBound(back.v.parray, 1, &upper);
  E2E_CHECK(lower == 1 && upper == 3);
  SafeArrayGetLBound(back.v.parray, 2, &lower);
  SafeArrayGetUBound(back.v.parray, 2, &upper);
  E2E_CHECK(lower == 1 && upper == 2);
  LONG third[2] = {3, 1};
  VariantHolder element;
  SafeArrayGetElement(back.v.parray, third, &element.v);
  E2E_CHECK(element.v.vt == VT_BSTR && std::wcscmp(element.v.bstrVal, L"測点") == 0);
  E2E_CHECK(win32::fromVariant(back.v) == Variant(texts2));

  // Three dimensions are refused rather than flattened into a wrong shape.
  VariantHolder cube;
  SAFEARRAYBOUND cubeBounds[3] = {{2, 0}, {2, 0}, {2, 0}};
  cube.v.vt = VT_ARRAY | VT_VARIANT;
  cube.v.parray = SafeArrayCreate(VT_VARIANT, 3, cubeBounds);
  E2E_CHECK(throwsTypeMismatch(cube.v));

  // A by-reference argument nested in an array cannot be passed.
  VariantHolder out;
  try {
    win32::toVariant(Variant(VariantArray{Variant(1.0), Variant::ref()}), &out.v);
    E2E_CHECK(!"a nested reference was written");
  } catch (const platform::AutomationError&) {
  }
}

// A small object answering in-process through the adapter.
class Counter : public platform::Object {
 public:
  Variant get(text::u16view member, const VariantArray& args) override {
    if (text::equalsIgnoreAsciiCase(member, u"Value")) return Variant(value);
    if (text::equalsIgnoreAsciiCase(member, u"Item")) return Variant(args.at(0).toInt() * 10);
    throw platform::AutomationError(u"不明な名前です。", DISP_E_UNKNOWNNAME);
  }
  void put(text::u16view, const Variant& v) override { value = v.toInt(); }
  Variant call(text::u16view member, const VariantArray& args) override { return get(member, args); }
  std::int32_t value = 0;
};

void adapterInProcess() {
  auto counter = std::make_shared<Counter>();
  auto dispatch = win32::ComPtr<IDispatch>::adopt(win32::DispatchAdapter::wrap(counter));
  // Our own adapter gives back the object it wraps, without a call.
  E2E_CHECK(win32::DispatchAdapter::unwrap(dispatch.get()) == counter);
  win32::ComObject client(dispatch.get());
  client.put(u"value", Variant(std::int32_t(41)));
  E2E_CHECK_EQ(counter->value, 41);
  E2E_CHECK(client.get(u"VALUE") == Variant(std::int32_t(41)));
  E2E_CHECK(client.get(u"Item", {Variant(std::int32_t(3))}) == Variant(std::int32_t(30)));
  try {
    client.get(u"Missing");
    E2E_CHECK(!"an unknown member answered");
  } catch (const platform::AutomationError& e) {
    E2E_CHECK(e.message() == u"不明な名前です。");
    E2E_CHECK_EQ(e.code(), std::int32_t(DISP_E_UNKNOWNNAME));
  }
}

void errorTextWithoutDescription() {
  EXCEPINFO info{};
  info.scode = E_INVALIDARG;
  auto error = win32::invokeError(DISP_E_EXCEPTION, info);
  E2E_CHECK_EQ(error.code(), std::int32_t(E_INVALIDARG));
  E2E_CHECK(!error.message().empty());
  e2e::note("E_INVALIDARG reads: " + text::toUtf8(error.message()));
}

}  // namespace

int main() {
  return e2e::run([] {
    win32::ComApartment com;
    otherNumberWidths();
    arraysOfOtherShapes();
    adapterInProcess();
    errorTextWithoutDescription();
  });
}
