// Audio over OpenAL: effects live in one AL buffer each, music is streamed
// through a few queued buffers refilled once per frame.
//
// Every channel is in one of three modes. An effect channel plays a whole
// buffer on a device source; a stream channel decodes its own Vorbis stream
// into queued buffers; a clock channel has no device voice and measures its
// play time by the clock (no device, no source left, or an AL failure), so the
// game behaves the same with or without sound.
//
// The audio layer keeps every channel that has not ended, so a channel whose
// caller dropped it still plays out. Ended channels give their source back to
// a pool for reuse.
#include "platform/audio.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_set>
#include <vector>

#include "platform/files.h"
#include "platform/sound_decode.h"
#include "platform/system.h"
#include "platform/testhooks.h"

namespace platform {
namespace {

constexpr float kMinRate = 1.0f / 32.0f;
constexpr float kMaxRate = 8.0f;
// Stream buffering: 4 buffers of 16384 frames hold about 1.5 s at 44.1 kHz,
// enough to ride over a slow frame or a loading pause.
constexpr int kStreamBuffers = 4;
constexpr int kStreamBufferFrames = 16384;

float clampVolume(float v) {
    if (!(v == v)) return 0.0f;
    return std::clamp(v, 0.0f, 1.0f);
}

float clampRate(float r) {
    if (!(r == r)) return 1.0f;
    return std::clamp(r, kMinRate, kMaxRate);
}

ALenum formatFor(int channels) { return channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16; }

// Clears the AL error state; true when an error was pending.
bool alFailed() { return alGetError() != AL_NO_ERROR; }

}  // namespace

class Sound {
public:
    ~Sound();

    int flags = SOUND_NONE;
    double lengthMs = 0.0;
    ALuint buffer = 0;                                // a whole effect on the device
    std::shared_ptr<const std::string> streamBytes;  // the file of a streamed piece

    bool streamed() const { return streamBytes != nullptr; }
    bool loops() const { return (flags & SOUND_LOOP) != 0; }
};

enum class ChannelMode { CLOCK, EFFECT, STREAM };

class Channel {
public:
    ~Channel();

    SoundRef sound;  // first member: outlives the voice released in the destructor
    ChannelMode mode = ChannelMode::CLOCK;
    bool paused = true;
    bool ended = false;
    float volume = 1.0f;
    float rate = 1.0f;

    // Device voice (effect and stream modes).
    ALuint source = 0;
    // Stream mode.
    std::unique_ptr<VorbisStream> stream;
    std::array<ALuint, kStreamBuffers> buffers{};
    std::vector<ALuint> idleBuffers;
    bool streamDone = false;  // the decoder has nothing more to give

    // Clock mode.
    double playedMs = 0.0;
    int lastTick = 0;
};

namespace {

struct AudioState {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    std::vector<ALuint> spareSources;
    int voicesInUse = 0;
    std::vector<ChannelRef> channels;      // not yet retired
    std::unordered_set<Sound*> deviceSounds;  // sounds holding a device buffer
    int (*clock)() = nullptr;

    bool available() const { return context != nullptr; }
};

// Never destroyed: sounds and channels held by static objects may outlive
// every other static.
AudioState& audio() {
    static AudioState* state = new AudioState;
    return *state;
}

int now() { return audio().clock ? audio().clock() : millisecs(); }

void refresh(Channel& c);

// --- Device sources -------------------------------------------------------

ALuint acquireSource() {
    AudioState& a = audio();
    if (!a.available()) return 0;
    ALuint src = 0;
    if (a.spareSources.empty()) {
        alFailed();
        alGenSources(1, &src);
        if (alFailed()) src = 0;
    }
    if (src == 0) {
        // The device has no more sources: take back those of channels that
        // ended since the last frame.
        if (a.spareSources.empty())
            for (auto& c : a.channels) refresh(*c);
        if (a.spareSources.empty()) return 0;
        src = a.spareSources.back();
        a.spareSources.pop_back();
    }
    ++a.voicesInUse;
    alSourcef(src, AL_GAIN, 1.0f);
    alSourcef(src, AL_PITCH, 1.0f);
    alSourcei(src, AL_LOOPING, AL_FALSE);
    // Sounds are not placed in space: no panning, no distance fall-off.
    alSourcei(src, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(src, AL_POSITION, 0.0f, 0.0f, 0.0f);
    alFailed();
    return src;
}

void releaseSource(ALuint src) {
    AudioState& a = audio();
    if (src == 0) return;
    --a.voicesInUse;
    if (!a.available()) return;
    alSourceStop(src);
    alSourcei(src, AL_BUFFER, 0);  // also unqueues stream buffers
    if (alFailed()) {
        alDeleteSources(1, &src);
        alFailed();
        return;
    }
    a.spareSources.push_back(src);
}

// Gives the channel's device voice and stream back; the channel keeps its
// settings.
void releaseVoice(Channel& c) {
    releaseSource(c.source);
    c.source = 0;
    if (c.mode == ChannelMode::STREAM && audio().available()) {
        alDeleteBuffers(kStreamBuffers, c.buffers.data());
        alFailed();
    }
    c.buffers.fill(0);
    c.idleBuffers.clear();
    c.stream.reset();
}

void finish(Channel& c) {
    if (c.ended) return;
    c.ended = true;
    releaseVoice(c);
}

// --- Clock channels -------------------------------------------------------

void advanceClock(Channel& c) {
    int t = now();
    if (!c.paused && !c.ended) c.playedMs += static_cast<double>(t - c.lastTick) * c.rate;
    c.lastTick = t;
    if (!c.paused && !c.sound->loops() && c.playedMs >= c.sound->lengthMs) c.ended = true;
}

// Turns a channel whose device voice failed into a clock channel that goes
// on from where the voice was.
void fallBackToClock(Channel& c) {
    double at = 0.0;
    if (c.mode == ChannelMode::EFFECT && c.source != 0) {
        ALfloat seconds = 0.0f;
        alGetSourcef(c.source, AL_SEC_OFFSET, &seconds);
        if (!alFailed() && seconds > 0.0f) at = seconds * 1000.0;
    }
    releaseVoice(c);
    c.mode = ChannelMode::CLOCK;
    c.playedMs = at;
    c.lastTick = now();
}

// --- Stream channels ------------------------------------------------------

// Decodes the next piece of the stream into buffer b. False when the stream
// has nothing more (its end, or an error, for a piece that does not loop).
bool fillStreamBuffer(Channel& c, ALuint b) {
    static std::vector<int16_t> pcm;
    const int channels = c.stream->channels();
    pcm.resize(static_cast<size_t>(kStreamBufferFrames) * channels);
    int frames = 0;
    bool rewoundEmpty = false;
    while (frames < kStreamBufferFrames && !c.streamDone) {
        int got = c.stream->read(pcm.data() + static_cast<size_t>(frames) * channels, kStreamBufferFrames - frames);
        if (got > 0) {
            frames += got;
            rewoundEmpty = false;
            continue;
        }
        // At the end: a looping piece starts over, unless starting over gives
        // nothing either (a stream that cannot decode at all).
        if (!c.sound->loops() || rewoundEmpty || !c.stream->rewind()) {
            c.streamDone = true;
            break;
        }
        rewoundEmpty = true;
    }
    if (frames == 0) return false;
    alFailed();
    alBufferData(b, formatFor(channels), pcm.data(), static_cast<ALsizei>(frames * channels * sizeof(int16_t)),
                 c.stream->sampleRate());
    return !alFailed();
}

// Moves played buffers back to the idle list and refills them.
bool feedStream(Channel& c) {
    ALint processed = 0;
    alGetSourcei(c.source, AL_BUFFERS_PROCESSED, &processed);
    while (processed-- > 0) {
        ALuint b = 0;
        alSourceUnqueueBuffers(c.source, 1, &b);
        if (b != 0) c.idleBuffers.push_back(b);
    }
    while (!c.idleBuffers.empty() && !c.streamDone) {
        ALuint b = c.idleBuffers.back();
        if (!fillStreamBuffer(c, b)) break;
        alSourceQueueBuffers(c.source, 1, &b);
        c.idleBuffers.pop_back();
    }
    return !alFailed();
}

ALint queuedBuffers(const Channel& c) {
    ALint queued = 0;
    alGetSourcei(c.source, AL_BUFFERS_QUEUED, &queued);
    return queued;
}

bool startStream(Channel& c) {
    c.stream = VorbisStream::open(c.sound->streamBytes);
    if (!c.stream) return false;
    alFailed();
    alGenBuffers(kStreamBuffers, c.buffers.data());
    if (alFailed()) {
        c.buffers.fill(0);
        return false;
    }
    c.idleBuffers.assign(c.buffers.begin(), c.buffers.end());
    return feedStream(c) && queuedBuffers(c) > 0;
}

ALint sourceState(const Channel& c) {
    ALint st = AL_STOPPED;
    alGetSourcei(c.source, AL_SOURCE_STATE, &st);
    return st;
}

// Brings the channel's ended flag up to date.
void refresh(Channel& c) {
    if (c.ended) return;
    switch (c.mode) {
        case ChannelMode::CLOCK:
            advanceClock(c);
            break;
        case ChannelMode::EFFECT:
            if (sourceState(c) == AL_STOPPED) finish(c);
            break;
        case ChannelMode::STREAM:
            // A stopped stream with more to decode has only run dry (a long
            // frame); updateAudio refills and restarts it.
            if (c.streamDone && sourceState(c) == AL_STOPPED) finish(c);
            break;
    }
}

void serviceStream(Channel& c) {
    if (!feedStream(c)) {
        fallBackToClock(c);
        return;
    }
    ALint st = sourceState(c);
    if (st == AL_STOPPED && c.streamDone) {
        finish(c);
    } else if (!c.paused && st != AL_PLAYING && queuedBuffers(c) > 0) {
        alSourcePlay(c.source);
        if (alFailed()) fallBackToClock(c);
    }
}

}  // namespace

Sound::~Sound() {
    if (buffer != 0) {
        if (audio().available()) {
            alDeleteBuffers(1, &buffer);
            alFailed();
        }
        audio().deviceSounds.erase(this);
    }
}

Channel::~Channel() { releaseVoice(*this); }

bool initAudio() {
    AudioState& a = audio();
    if (a.available()) return true;
    // Under the virtual clock every sound's end must follow that clock.
    if (testHooks().virtualClock) return false;
    a.device = alcOpenDevice(nullptr);
    if (!a.device) return false;
    a.context = alcCreateContext(a.device, nullptr);
    if (!a.context || !alcMakeContextCurrent(a.context)) {
        if (a.context) alcDestroyContext(a.context);
        alcCloseDevice(a.device);
        a.context = nullptr;
        a.device = nullptr;
        return false;
    }
    alFailed();
    return true;
}

void shutdownAudio() {
    AudioState& a = audio();
    if (!a.available()) return;
    for (auto& c : a.channels)
        if (c->mode != ChannelMode::CLOCK) finish(*c);
    a.channels.erase(std::remove_if(a.channels.begin(), a.channels.end(), [](const ChannelRef& c) { return c->ended; }),
                     a.channels.end());
    if (!a.spareSources.empty()) alDeleteSources(static_cast<ALsizei>(a.spareSources.size()), a.spareSources.data());
    a.spareSources.clear();
    for (Sound* s : a.deviceSounds) {
        alDeleteBuffers(1, &s->buffer);
        s->buffer = 0;
    }
    a.deviceSounds.clear();
    alFailed();
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(a.context);
    alcCloseDevice(a.device);
    a.context = nullptr;
    a.device = nullptr;
    a.voicesInUse = 0;
}

bool audioAvailable() { return audio().available(); }

SoundRef loadSound(const std::string& path, int flags) {
    std::string bytes;
    if (!readBinaryFile(path, bytes)) return nullptr;
    auto sound = std::make_shared<Sound>();
    sound->flags = flags;
    if ((flags & SOUND_STREAM) && looksLikeVorbis(bytes)) {
        auto shared = std::make_shared<const std::string>(std::move(bytes));
        auto probe = VorbisStream::open(shared);
        if (!probe) return nullptr;
        // A piece whose first frames do not decode is damaged.
        int16_t first[2 * 64];
        if (probe->read(first, 64) <= 0) return nullptr;
        sound->lengthMs = static_cast<double>(probe->totalFrames()) * 1000.0 / probe->sampleRate();
        sound->streamBytes = std::move(shared);
        return sound;
    }
    DecodedSound pcm;
    if (!decodeSoundBytes(bytes, pcm)) return nullptr;
    sound->lengthMs = static_cast<double>(pcm.frames()) * 1000.0 / pcm.sampleRate;
    if (audio().available()) {
        alFailed();
        alGenBuffers(1, &sound->buffer);
        if (!alFailed()) {
            alBufferData(sound->buffer, formatFor(pcm.channels), pcm.samples.data(),
                         static_cast<ALsizei>(pcm.samples.size() * sizeof(int16_t)), pcm.sampleRate);
            if (alFailed()) {
                alDeleteBuffers(1, &sound->buffer);
                alFailed();
                sound->buffer = 0;
            }
        } else {
            sound->buffer = 0;
        }
        if (sound->buffer != 0) audio().deviceSounds.insert(sound.get());
    }
    return sound;
}

int soundLength(const SoundRef& sound) {
    if (!sound) return 0;
    return static_cast<int>(std::lround(sound->lengthMs));
}

ChannelRef cueSound(const SoundRef& sound) {
    if (!sound) return nullptr;
    auto c = std::make_shared<Channel>();
    c->sound = sound;
    c->lastTick = now();
    if (audio().available() && (sound->streamed() || sound->buffer != 0)) {
        c->source = acquireSource();
        if (c->source != 0) {
            if (sound->streamed()) {
                c->mode = ChannelMode::STREAM;
                if (!startStream(*c)) fallBackToClock(*c);
            } else {
                c->mode = ChannelMode::EFFECT;
                alFailed();
                alSourcei(c->source, AL_BUFFER, static_cast<ALint>(sound->buffer));
                alSourcei(c->source, AL_LOOPING, sound->loops() ? AL_TRUE : AL_FALSE);
                if (alFailed()) fallBackToClock(*c);
            }
        }
    }
    audio().channels.push_back(c);
    return c;
}

void setChannelVolume(const ChannelRef& ch, float volume) {
    if (!ch) return;
    ch->volume = clampVolume(volume);
    if (ch->source != 0) alSourcef(ch->source, AL_GAIN, ch->volume);
}

void setChannelRate(const ChannelRef& ch, float rate) {
    if (!ch) return;
    refresh(*ch);  // time played so far counts at the old rate
    ch->rate = clampRate(rate);
    if (ch->source != 0) alSourcef(ch->source, AL_PITCH, ch->rate);
}

void setChannelPaused(const ChannelRef& ch, bool paused) {
    if (!ch) return;
    refresh(*ch);
    if (ch->ended || ch->paused == paused) return;
    ch->paused = paused;
    if (ch->mode == ChannelMode::CLOCK) return;
    if (ch->mode == ChannelMode::STREAM && !paused) {
        // Refill first: a source restarted with played buffers still queued
        // would play them again.
        serviceStream(*ch);
        return;
    }
    alFailed();
    if (paused) alSourcePause(ch->source);
    else alSourcePlay(ch->source);
    if (alFailed()) fallBackToClock(*ch);
}

bool channelPlaying(const ChannelRef& ch) {
    if (!ch) return false;
    refresh(*ch);
    return !ch->ended;
}

float channelVolume(const ChannelRef& ch) {
    if (!ch) return 0.0f;
    if (ch->source == 0) return ch->volume;
    ALfloat gain = ch->volume;
    alGetSourcef(ch->source, AL_GAIN, &gain);
    return alFailed() ? ch->volume : gain;
}

float channelRate(const ChannelRef& ch) {
    if (!ch) return 1.0f;
    if (ch->source == 0) return ch->rate;
    ALfloat pitch = ch->rate;
    alGetSourcef(ch->source, AL_PITCH, &pitch);
    return alFailed() ? ch->rate : pitch;
}

void stopChannel(const ChannelRef& ch) {
    if (!ch) return;
    finish(*ch);
}

void updateAudio() {
    AudioState& a = audio();
    for (size_t i = 0; i < a.channels.size(); ++i) {
        Channel& c = *a.channels[i];
        refresh(c);
        if (c.ended) continue;
        if (c.mode == ChannelMode::STREAM) serviceStream(c);
        // A paused channel nobody holds any more can never be resumed.
        if (c.paused && a.channels[i].use_count() == 1) finish(c);
    }
    a.channels.erase(std::remove_if(a.channels.begin(), a.channels.end(), [](const ChannelRef& c) { return c->ended; }),
                     a.channels.end());
}

void setAudioClockForTests(int (*clock)()) { audio().clock = clock; }

AudioStats audioStatsForTests() {
    AudioStats stats;
    stats.channels = static_cast<int>(audio().channels.size());
    stats.voices = audio().voicesInUse;
    stats.spareVoices = static_cast<int>(audio().spareSources.size());
    return stats;
}

}  // namespace platform
