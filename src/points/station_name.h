#pragma once
// A station name's text part and trailing number, on which the list sorts
// and the SIMA numbering rest.
#include <cstdint>

#include "text/u16.h"

namespace surva::points {

struct StationNameParts {
  bool hasNumber = false;  // a trailing run of ASCII digits was found
  text::u16 textPart;      // the name without that run
  text::u16 numberPart;    // the run itself, "" when there is none
};

// Only ASCII digits count; full-width digits belong to the text part.
StationNameParts SplitStationName(text::u16view name);

// The number part as a 32-bit integer: 0 when it is empty or exceeds
// 2147483647 (leading zeros do not count).
std::int32_t StationNumberKey(text::u16view numberPart);

// Length of the text part, without building strings (for sorting keys).
std::size_t StationTextLength(text::u16view name);

}  // namespace surva::points
