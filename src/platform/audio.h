// Audio: sounds decoded from Ogg Vorbis (or WAV), played on channels.
//
// Effects are decoded whole; music is streamed. A channel starts paused so the
// caller can set volume and rate first. Without a sound device every call
// still works and the game runs silent; a channel then plays for the sound's
// length by the clock, so code that waits for a sound to end goes on.
// Volumes are clamped to 0..1 here (NaN is 0); rates to 1/32..8 (NaN is 1).
//
// Sounds should be loaded after initAudio: a sound loaded while there is no
// device stays silent (its channels run by the clock) for the whole run.
// Under the test hooks' virtual clock the audio always runs silent, so every
// sound's end follows the virtual clock and runs are reproducible.
#pragma once

#include <memory>
#include <string>

namespace platform {

enum SoundFlags : int {
    SOUND_NONE = 0,
    SOUND_LOOP = 1,
    SOUND_STREAM = 2,  // decode while playing (music)
};

class Sound;
using SoundRef = std::shared_ptr<Sound>;
class Channel;
using ChannelRef = std::shared_ptr<Channel>;

// Starts the audio device; false when there is none (the game stays silent).
bool initAudio();
// Stops every channel and releases the device; sounds and channels stay
// usable, silent.
void shutdownAudio();
bool audioAvailable();

// Null when the file is missing, damaged or of another kind. SOUND_STREAM
// applies to Ogg Vorbis files; a WAV file is always decoded whole.
SoundRef loadSound(const std::string& path, int flags = SOUND_NONE);
// Length of a sound in milliseconds (0 for null).
int soundLength(const SoundRef& sound);

// A new channel playing the sound from its start, paused. Null for a null
// sound.
ChannelRef cueSound(const SoundRef& sound);
// Null-safe channel operations.
void setChannelVolume(const ChannelRef& ch, float volume);
void setChannelRate(const ChannelRef& ch, float rate);  // 1 = normal pitch
void setChannelPaused(const ChannelRef& ch, bool paused);
bool channelPlaying(const ChannelRef& ch);  // started, not ended, not stopped (paused counts)
// The volume and rate in force (after clamping; read back from the device
// when the channel has a voice there). 0 and 1 for null.
float channelVolume(const ChannelRef& ch);
float channelRate(const ChannelRef& ch);
void stopChannel(const ChannelRef& ch);

// Feeds streaming channels and retires ended ones; called once per frame by
// the window's event processing.
void updateAudio();

// --- Test seams ---

// Replaces the clock that silent channels measure their play time by
// (null restores platform::millisecs).
void setAudioClockForTests(int (*clock)());

struct AudioStats {
    int channels = 0;     // channels not yet retired
    int voices = 0;       // device sources in use by channels
    int spareVoices = 0;  // device sources waiting in the pool for reuse
};
AudioStats audioStatsForTests();

}  // namespace platform
