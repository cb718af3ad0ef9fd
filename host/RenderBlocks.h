// SPDX-License-Identifier: MIT
#pragma once
// Audio streamed through an effect block by block, as a host's offline
// bounce does.

#include <cstddef>
#include <cstdint>
#include <functional>

#include "host/io/AudioFile.h"

// One block through the effect: two channels in, two out.
using BlockProcess = std::function<void(float** in, float** out, int32_t frames)>;

// Feeds `in` to `process` in blocks of `block` frames, the last one shorter
// when the length is not a multiple of it, into `out`, which holds as many
// frames as `in`. `afterBlock` hears how many frames are done.
void renderBlocks(const BlockProcess& process, StereoAudio& in, StereoAudio& out, int32_t block,
                  const std::function<void(size_t done)>& afterBlock);
