// Feeds arbitrary bytes to the sound decoders: whole decoding (Vorbis and
// WAV) and Vorbis streaming with a rewind, as a looping piece of music does.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/sound_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);

    // A small frame limit keeps hostile inputs that claim long sounds quick.
    constexpr long long kFrameLimit = 1 << 18;
    platform::DecodedSound decoded;
    if (platform::decodeSoundBytes(bytes, decoded, kFrameLimit)) {
        if (decoded.channels != 1 && decoded.channels != 2) __builtin_trap();
        if (decoded.frames() <= 0 || decoded.frames() > kFrameLimit) __builtin_trap();
        if (decoded.samples.size() % static_cast<size_t>(decoded.channels) != 0) __builtin_trap();
    }

    auto stream = platform::VorbisStream::open(std::make_shared<const std::string>(std::move(bytes)));
    if (stream) {
        std::vector<int16_t> pcm(static_cast<size_t>(1024) * stream->channels());
        for (int pass = 0; pass < 2; ++pass) {
            long long frames = 0;
            int got = 0;
            while (frames < kFrameLimit && (got = stream->read(pcm.data(), 1024)) > 0) frames += got;
            if (!stream->rewind()) break;
        }
    }
    return 0;
}
