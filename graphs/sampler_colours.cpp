#include "graphs/sampler_colours.h"

Relation_Colours relation_colours(int32_t c, bool boundary_q, bool region_q) {
  Relation_Colours rc;
  rc.curve = boundary_q ? c : NO_COLOUR;
  // Each channel's top bit spread over the whole channel.
  rc.region = region_q ? int32_t((uint32_t(c & 0x808080) >> 7) * 0xFF | 0x808000) : NO_COLOUR;
  rc.unresolved = region_q ? ((c & 0xFEFEFE) >> 1) + 0x606060 : (c >> 1) | 0x808080;
  return rc;
}
