#include "text/codec.h"

namespace surva::text {

bool AnsiCodec::canEncode(u16view character) const { return encode(character).complete(); }

}  // namespace surva::text
