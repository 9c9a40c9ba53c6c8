#include "sheet/cell_text.h"

#include "text/number.h"

namespace surva::sheet {

namespace {

// The spreadsheet passes its error values as 0x800A0000 + its own number.
text::u16 errorName(std::int32_t code) {
  switch (code & 0xFFFF) {
    case 2000: return u"#NULL!";
    case 2007: return u"#DIV/0!";
    case 2015: return u"#VALUE!";
    case 2023: return u"#REF!";
    case 2029: return u"#NAME?";
    case 2036: return u"#NUM!";
    case 2042: return u"#N/A";
    case 2043: return u"#GETTING_DATA";
    case 2045: return u"#SPILL!";
    case 2046: return u"#CONNECT!";
    case 2047: return u"#BLOCKED!";
    case 2048: return u"#UNKNOWN!";
    case 2049: return u"#FIELD!";
    case 2050: return u"#CALC!";
    default: return u"#ERROR " + text::intToText(code & 0xFFFF);
  }
}

}  // namespace

text::u16 CellText(const platform::Variant& value) {
  using K = platform::Variant::Kind;
  const platform::Variant& v = value.deref();
  switch (v.kind()) {
    case K::Empty:
    case K::Null: return {};
    case K::Bool: return v.toBool() ? u"TRUE" : u"FALSE";
    case K::Int16:
    case K::Int32:
    case K::Double: return text::formatGeneral(v.toDouble());
    case K::Error: return errorName(v.errorCode());
    default: return v.toText();  // text, date, currency; others fail
  }
}

}  // namespace surva::sheet
