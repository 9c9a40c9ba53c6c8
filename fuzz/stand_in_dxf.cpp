// The stand-in CAD's DXF reader. Any bytes: a drawing or a Failure, never
// anything else. And a file built from our own records with any values:
// read whole, each entity with the layer, text and coordinates written.
#include <cmath>
#include <vector>

#include "dxf/dxf_format.h"
#include "dxf/dxf_records.h"
#include "fuzz_check.h"
#include "platform/posix/iconv_codec.h"
#include "sim/dxf_reader.h"
#include "text/error.h"
#include "text/number.h"

using namespace surva;

namespace {

const platform::posix::IconvCodec& codec() {
  static platform::posix::IconvCodec c;
  return c;
}

struct Written {
  sim::EntityKind kind;
  text::u16 layer;
  text::u16 text;  // as the CAD reads the value back
  double x = 0;    // as written: the coordinate after its formatting
};

double finite(double v) { return std::isfinite(v) ? v : 0.0; }
double coordRead(double v) { return *text::tryParseNumber(text::ascii(dxf::formatCoord(v))); }

void ownFile(fuzz::Input& in) {
  dxf::DxfText file(codec());
  dxf::WriteDxfHeader(file);
  dxf::writeEntitiesStart(file);
  std::vector<Written> written;
  const int count = in.byte() % 16;
  for (int i = 0; i < count; ++i) {
    const std::uint8_t kind = in.byte();
    // Layer and text: a few code units each, any values.
    text::u16 layer, words;
    for (int n = in.byte() % 6; n > 0; --n) layer += in.raw<char16_t>();
    for (int n = in.byte() % 8; n > 0; --n) words += in.raw<char16_t>();
    const std::string layerValue = file.encodeValue(layer);
    const std::string textValue = file.encodeValue(words);
    const dxf::Xyz p{finite(in.raw<double>()), finite(in.raw<double>()), finite(in.raw<double>())};
    const double size = finite(in.raw<double>());
    Written w{sim::EntityKind::Point, codec().decode(layerValue), {}, coordRead(p.x)};
    switch (kind % 6) {
      case 0:
        dxf::writePoint(file, layerValue, p);
        break;
      case 1:
        w.kind = sim::EntityKind::Circle;
        dxf::writeCircle(file, layerValue, p, size);
        break;
      case 2:
        w.kind = sim::EntityKind::Text;
        w.text = codec().decode(textValue);
        if (kind & 8)
          dxf::writeNameText(file, layerValue, p, size, textValue);
        else
          dxf::writeCoordText(file, layerValue, p, size, textValue);
        break;
      case 3:
        w.kind = sim::EntityKind::Text;
        w.text = codec().decode(textValue);
        if (kind & 8)
          dxf::writeTableHeading(file, layerValue, p.x, p.y, size, textValue);
        else
          dxf::writeTableCell(file, layerValue, kind & 16 ? dxf::CellAlign::Left : dxf::CellAlign::Right, p.x, p.y,
                              size, textValue);
        break;
      case 4:
        w.kind = sim::EntityKind::Line;
        if (kind & 8) {
          w.x = 0;
          dxf::writeHorizontalLine(file, layerValue, p.y, p.x);
        } else {
          dxf::writeVerticalLine(file, layerValue, p.x, p.y);
        }
        break;
      case 5: {
        const int flag = (kind & 8 ? 8 : 0) | (kind & 16 ? 1 : 0);
        w.kind = flag & 8 ? sim::EntityKind::Polyline3d : sim::EntityKind::Polyline2d;
        dxf::writePolylineHead(file, layerValue, flag);
        for (int v = 0; v < 3; ++v) dxf::writeVertex(file, layerValue, {p.x + v, p.y, p.z});
        dxf::writeSeqend(file);
        break;
      }
    }
    written.push_back(w);
  }
  dxf::writeFileEnd(file);

  const sim::DxfContent read = sim::readDxf(file.bytes(), codec());
  FUZZ_CHECK(read.entities.size() == written.size());
  FUZZ_CHECK(read.skipped == 0);
  for (std::size_t i = 0; i < written.size(); ++i) {
    const sim::Entity& e = read.entities[i];
    const Written& w = written[i];
    FUZZ_CHECK(e.kind == w.kind);
    FUZZ_CHECK(e.layer == w.layer);
    if (e.kind == sim::EntityKind::Text) FUZZ_CHECK(e.textString == w.text);
    if (e.kind == sim::EntityKind::Point) FUZZ_CHECK(e.start.x == w.x);
    if (e.kind == sim::EntityKind::Circle) FUZZ_CHECK(e.center.x == w.x);
    if (e.kind == sim::EntityKind::Line) FUZZ_CHECK(e.start.x == w.x);
    if (e.kind == sim::EntityKind::Polyline2d || e.kind == sim::EntityKind::Polyline3d)
      FUZZ_CHECK(e.vertices.size() == 3 && e.vertices[0].x == w.x);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // "W" first: a file of our own records built from the rest.
  if (size > 0 && data[0] == 'W') {
    fuzz::Input in(data + 1, size - 1);
    ownFile(in);
    return 0;
  }
  // Any other bytes, whole: a malformed file is refused with a Failure.
  try {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const sim::DxfContent content = sim::readDxf(bytes, codec());
    for (const auto& e : content.entities)
      if (e.kind == sim::EntityKind::Polyline2d || e.kind == sim::EntityKind::Polyline3d)
        FUZZ_CHECK(e.vertices.size() == e.bulges.size());
  } catch (const Failure&) {
  }
  return 0;
}
