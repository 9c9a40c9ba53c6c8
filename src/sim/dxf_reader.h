#pragma once
// A reader of R12 DXF text for the stand-in's insert command: LAYER table,
// LINE, POINT, CIRCLE, ARC, TEXT, POLYLINE/VERTEX/SEQEND. Malformed input
// throws Failure naming the line, so nothing of a bad file is taken.
#include <string_view>
#include <vector>

#include "sim/drawing.h"
#include "text/codec.h"

namespace surva::sim {

struct DxfContent {
  std::vector<Layer> layers;     // from the LAYER table
  std::vector<Entity> entities;  // in file order, without handles
  int skipped = 0;               // entities of kinds the reader does not take
};

DxfContent readDxf(std::string_view bytes, const text::AnsiCodec& codec);

}  // namespace surva::sim
