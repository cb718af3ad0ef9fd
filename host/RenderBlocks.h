#pragma once
// Audio streamed through an effect block by block, as a host's offline
// bounce does.

#include <cstddef>
#include <cstdint>
#include <functional>

#include "host/platform/AudioFile.h"
#include "interface/EffectRecord.h"

// Feeds `in` to the effect in blocks of `block` frames, the last one shorter
// when the length is not a multiple of it, into `out`, which holds as many
// frames as `in`. `afterBlock` hears how many frames are done.
void renderBlocks(EffectRecord& record, StereoAudio& in, StereoAudio& out, int32_t block,
                  bool accumulating, const std::function<void(size_t done)>& afterBlock);
