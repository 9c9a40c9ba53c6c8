#pragma once
// Type information for objects served through DispatchAdapter: one ITypeInfo
// per type name, alive for the whole process, that answers GetTypeAttr with
// a GUID made from the name (nothing else). Clients use it as a CAD's type
// library is used: objects of one type share their member IDs. Each type
// also gets its own range of member IDs, so that an ID of one type never
// names a member of another, as in a real type library.
#include <windows.h>
#include <oaidl.h>

#include "text/u16.h"

namespace surva::win32 {

namespace dispatch_types {

// The shared type information of `typeName`, with one reference for the caller.
ITypeInfo* typeInfoOf(const text::u16& typeName);
// The first member ID of the type's range (0 for an object without a type).
DISPID firstIdOf(const text::u16& typeName);
constexpr DISPID kIdsPerType = 0x10000;

// Requests served, for tests that count what a client asks: GetTypeInfo
// (counted by the adapter) and GetTypeAttr.
long& typeInfoRequests();
long& typeAttrRequests();

}  // namespace dispatch_types

}  // namespace surva::win32
