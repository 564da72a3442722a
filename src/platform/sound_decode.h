// Decoding sound files held in memory: Ogg Vorbis (whole or streamed) and
// RIFF WAV with 8- or 16-bit PCM.
//
// Everything comes out as interleaved signed 16-bit samples, mono or stereo
// (a Vorbis stream with more than two channels is mixed down to mono). The
// decoders take any bytes: damaged or hostile input gives a failure, never a
// crash, and the amount decoded is bounded so a tiny file cannot claim hours.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// The most sample frames one sound may decode to: ten minutes at 48 kHz.
constexpr long long kMaxDecodedFrames = 48000LL * 600;

struct DecodedSound {
    int channels = 0;    // 1 or 2
    int sampleRate = 0;  // frames per second
    std::vector<int16_t> samples;  // interleaved, channels per frame

    long long frames() const { return channels > 0 ? static_cast<long long>(samples.size()) / channels : 0; }
};

bool looksLikeVorbis(const std::string& bytes);
bool looksLikeWav(const std::string& bytes);

// Decodes a whole Vorbis or WAV file. False when the bytes are neither, the
// headers are damaged, or nothing could be decoded. Decoding stops at the
// first unrecoverable error or after maxFrames frames; what came before is
// kept.
bool decodeSoundBytes(const std::string& bytes, DecodedSound& out, long long maxFrames = kMaxDecodedFrames);

// A Vorbis file decoded piece by piece, for music. Every stream reads the
// shared bytes through its own cursor, so several channels may play the same
// piece at once.
class VorbisStream {
public:
    // Null when the bytes are not a readable Vorbis file.
    static std::unique_ptr<VorbisStream> open(std::shared_ptr<const std::string> bytes);
    ~VorbisStream();
    VorbisStream(const VorbisStream&) = delete;
    VorbisStream& operator=(const VorbisStream&) = delete;

    int channels() const;    // of the output: 1 or 2
    int sampleRate() const;
    long long totalFrames() const;  // length of the whole file

    // Decodes up to maxFrames frames into out (room for maxFrames x channels()
    // samples). Returns the frames written; 0 at the end or on an
    // unrecoverable error.
    int read(int16_t* out, int maxFrames);
    // Back to the first frame (for looping). False when that fails.
    bool rewind();

private:
    struct Impl;
    explicit VorbisStream(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace platform
