// Sound decoding from memory: Vorbis through vorbisfile with memory callbacks,
// WAV by a small RIFF reader.
#include "platform/sound_decode.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform {
namespace {

// Sample rates outside this range are taken as damage.
constexpr long kMinSampleRate = 1000;
constexpr long kMaxSampleRate = 384000;
// Holes (lost pages) tolerated in a row before a stream is given up.
constexpr int kMaxHolesInARow = 64;

bool sampleRateOk(long rate) { return rate >= kMinSampleRate && rate <= kMaxSampleRate; }

int16_t toSample(float f) {
    if (!(f == f)) return 0;  // NaN
    f = std::clamp(f, -1.0f, 1.0f);
    return static_cast<int16_t>(std::lrint(f * 32767.0f));
}

uint32_t readU32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

uint16_t readU16(const unsigned char* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

// --- Vorbis over memory ---------------------------------------------------

struct MemoryCursor {
    const unsigned char* data = nullptr;
    size_t size = 0;
    size_t pos = 0;
};

size_t cursorRead(void* out, size_t size, size_t count, void* source) {
    auto* c = static_cast<MemoryCursor*>(source);
    if (size == 0 || count == 0) return 0;
    size_t left = c->size - c->pos;
    size_t items = std::min(count, left / size);
    std::memcpy(out, c->data + c->pos, items * size);
    c->pos += items * size;
    return items;
}

int cursorSeek(void* source, ogg_int64_t offset, int whence) {
    auto* c = static_cast<MemoryCursor*>(source);
    long long base = 0;
    if (whence == SEEK_CUR) base = static_cast<long long>(c->pos);
    else if (whence == SEEK_END) base = static_cast<long long>(c->size);
    else if (whence != SEEK_SET) return -1;
    long long target = base + offset;
    if (target < 0 || target > static_cast<long long>(c->size)) return -1;
    c->pos = static_cast<size_t>(target);
    return 0;
}

long cursorTell(void* source) {
    return static_cast<long>(static_cast<MemoryCursor*>(source)->pos);
}

const ov_callbacks kMemoryCallbacks = {cursorRead, cursorSeek, nullptr, cursorTell};

// One open Vorbis file over bytes someone else keeps alive.
struct VorbisReader {
    MemoryCursor cursor;
    OggVorbis_File file{};
    bool open = false;
    int sourceChannels = 0;
    int outChannels = 0;
    long rate = 0;
    long long total = 0;
    bool finished = false;

    VorbisReader() = default;
    VorbisReader(const VorbisReader&) = delete;
    VorbisReader& operator=(const VorbisReader&) = delete;
    ~VorbisReader() {
        if (open) ov_clear(&file);
    }

    bool start(const unsigned char* data, size_t size) {
        cursor.data = data;
        cursor.size = size;
        cursor.pos = 0;
        if (ov_open_callbacks(&cursor, &file, nullptr, 0, kMemoryCallbacks) != 0) return false;
        open = true;
        vorbis_info* info = ov_info(&file, -1);
        if (!info || info->channels < 1 || !sampleRateOk(info->rate)) return false;
        sourceChannels = info->channels;
        outChannels = sourceChannels == 2 ? 2 : 1;
        rate = info->rate;
        ogg_int64_t pcm = ov_pcm_total(&file, -1);
        if (pcm < 0) return false;
        total = pcm;
        return true;
    }

    int read(int16_t* out, int maxFrames) {
        if (finished || maxFrames <= 0) return 0;
        int written = 0;
        int holes = 0;
        while (written < maxFrames) {
            float** pcm = nullptr;
            int link = 0;
            long got = ov_read_float(&file, &pcm, maxFrames - written, &link);
            if (got == OV_HOLE && ++holes <= kMaxHolesInARow) continue;
            if (got <= 0) {
                finished = true;
                break;
            }
            holes = 0;
            // A chained file whose later part changes shape ends there.
            vorbis_info* info = ov_info(&file, link);
            if (!info || info->channels != sourceChannels || info->rate != rate) {
                finished = true;
                break;
            }
            int16_t* dst = out + static_cast<size_t>(written) * outChannels;
            for (long i = 0; i < got; ++i) {
                if (sourceChannels <= 2) {
                    for (int ch = 0; ch < outChannels; ++ch) *dst++ = toSample(pcm[ch][i]);
                } else {
                    float sum = 0.0f;
                    for (int ch = 0; ch < sourceChannels; ++ch) sum += pcm[ch][i];
                    *dst++ = toSample(sum / static_cast<float>(sourceChannels));
                }
            }
            written += static_cast<int>(got);
        }
        return written;
    }

    bool rewind() {
        if (!open || ov_pcm_seek(&file, 0) != 0) return false;
        finished = false;
        return true;
    }
};

}  // namespace

struct VorbisStream::Impl {
    std::shared_ptr<const std::string> owner;  // keeps the bytes alive
    VorbisReader reader;
};

VorbisStream::VorbisStream(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
VorbisStream::~VorbisStream() = default;

std::unique_ptr<VorbisStream> VorbisStream::open(std::shared_ptr<const std::string> bytes) {
    if (!bytes || !looksLikeVorbis(*bytes)) return nullptr;
    auto impl = std::make_unique<Impl>();
    impl->owner = std::move(bytes);
    if (!impl->reader.start(reinterpret_cast<const unsigned char*>(impl->owner->data()), impl->owner->size()))
        return nullptr;
    return std::unique_ptr<VorbisStream>(new VorbisStream(std::move(impl)));
}

int VorbisStream::channels() const { return impl_->reader.outChannels; }
int VorbisStream::sampleRate() const { return static_cast<int>(impl_->reader.rate); }
long long VorbisStream::totalFrames() const { return impl_->reader.total; }
int VorbisStream::read(int16_t* out, int maxFrames) { return impl_->reader.read(out, maxFrames); }
bool VorbisStream::rewind() { return impl_->reader.rewind(); }

bool looksLikeVorbis(const std::string& bytes) {
    return bytes.size() >= 4 && bytes.compare(0, 4, "OggS") == 0;
}

bool looksLikeWav(const std::string& bytes) {
    return bytes.size() >= 12 && bytes.compare(0, 4, "RIFF") == 0 && bytes.compare(8, 4, "WAVE") == 0;
}

namespace {

bool decodeVorbis(const std::string& bytes, DecodedSound& out, long long maxFrames) {
    VorbisReader stream;
    if (!stream.start(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size())) return false;
    out.channels = stream.outChannels;
    out.sampleRate = static_cast<int>(stream.rate);
    // The header's length is only a hint (it may lie); the vector grows as needed.
    long long hint = std::min({stream.total, maxFrames, 1LL << 22});
    out.samples.reserve(static_cast<size_t>(std::max(0LL, hint)) * out.channels);
    constexpr int kChunk = 4096;
    std::vector<int16_t> chunk(static_cast<size_t>(kChunk) * out.channels);
    long long frames = 0;
    while (frames < maxFrames) {
        int want = static_cast<int>(std::min<long long>(kChunk, maxFrames - frames));
        int got = stream.read(chunk.data(), want);
        if (got <= 0) break;
        out.samples.insert(out.samples.end(), chunk.begin(), chunk.begin() + static_cast<size_t>(got) * out.channels);
        frames += got;
    }
    return frames > 0;
}

bool decodeWav(const std::string& bytes, DecodedSound& out, long long maxFrames) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const uint64_t size = bytes.size();
    bool haveFormat = false, haveData = false;
    uint16_t tag = 0, channels = 0, bits = 0;
    uint32_t rate = 0;
    uint64_t dataPos = 0, dataLen = 0;
    uint64_t pos = 12;
    while (pos + 8 <= size) {
        const unsigned char* head = data + pos;
        uint64_t len = readU32(head + 4);
        uint64_t body = pos + 8;
        uint64_t avail = std::min(len, size - body);
        if (std::memcmp(head, "fmt ", 4) == 0 && avail >= 16 && !haveFormat) {
            tag = readU16(data + body);
            channels = readU16(data + body + 2);
            rate = readU32(data + body + 4);
            bits = readU16(data + body + 14);
            // WAVE_FORMAT_EXTENSIBLE names the real format in its sub-format.
            if (tag == 0xFFFE && avail >= 40) tag = readU16(data + body + 24);
            haveFormat = true;
        } else if (std::memcmp(head, "data", 4) == 0 && !haveData) {
            dataPos = body;
            dataLen = avail;
            haveData = true;
        }
        pos = body + len + (len & 1);
    }
    if (!haveFormat || !haveData) return false;
    if (tag != 1 || (channels != 1 && channels != 2) || (bits != 8 && bits != 16) || !sampleRateOk(rate)) return false;
    const uint64_t frameBytes = static_cast<uint64_t>(channels) * (bits / 8);
    uint64_t frames = std::min<uint64_t>(dataLen / frameBytes, static_cast<uint64_t>(std::max(0LL, maxFrames)));
    if (frames == 0) return false;
    out.channels = channels;
    out.sampleRate = static_cast<int>(rate);
    out.samples.resize(static_cast<size_t>(frames * channels));
    const unsigned char* src = data + dataPos;
    for (size_t i = 0; i < out.samples.size(); ++i) {
        if (bits == 8) out.samples[i] = static_cast<int16_t>((static_cast<int>(src[i]) - 128) * 256);
        else out.samples[i] = static_cast<int16_t>(readU16(src + 2 * i));
    }
    return true;
}

}  // namespace

bool decodeSoundBytes(const std::string& bytes, DecodedSound& out, long long maxFrames) {
    out = DecodedSound{};
    bool ok = false;
    if (looksLikeVorbis(bytes)) ok = decodeVorbis(bytes, out, maxFrames);
    else if (looksLikeWav(bytes)) ok = decodeWav(bytes, out, maxFrames);
    if (!ok) out = DecodedSound{};
    return ok;
}

}  // namespace platform
