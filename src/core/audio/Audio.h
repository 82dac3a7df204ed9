#pragma once

// The sound layer's whole interface: device, memory file, sample source,
// sound effect and output stream, over SDL_mixer.
#include "core/audio/Device.h"
#include "core/audio/File.h"
#include "core/audio/OutputStream.h"
#include "core/audio/SampleSource.h"
#include "core/audio/SoundEffect.h"
