#pragma once
// Member IDs shared by every object of one type. Each Item(i) of a
// selection set is a new object; asking each one for its member IDs costs
// a round trip per member per entity. Objects whose type information is the
// same object (or, failing that, has the same GUID) share one table. A type
// is never shared across kinds of entity: a CAD's line and text have
// different types, and an ID of one may name another member in the other.
#include <windows.h>
#include <oleauto.h>

#include <memory>
#include <unordered_map>

#include "text/u16.h"

namespace surva::win32 {

using DispIdTable = std::unordered_map<text::u16, DISPID>;  // key: the name upper-cased

namespace type_dispids {

// The table of the object's type: one GetTypeInfo call, and one
// GetTypeAttr the first time a type information object is seen. Null when
// the server gives no type information (or no GUID): the caller keeps its
// own table then.
std::shared_ptr<DispIdTable> tableOf(IDispatch* object);

// Off: tableOf gives null without asking, so every object keeps its own
// IDs (only for measuring what the shared tables save). On by default.
void setShared(bool on);

// Drops every table and the type information it holds; called before COM
// is uninitialised on this thread.
void clear();

}  // namespace type_dispids

}  // namespace surva::win32
