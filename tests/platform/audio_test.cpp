// Audio layer: decoding from memory, clock-driven channels without a device,
// and real channels on OpenAL's null output.
#include "platform/audio.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include "platform/sound_decode.h"

namespace {

using namespace platform;

// --- Building WAV files ---------------------------------------------------

void putU16(std::string& s, unsigned v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}

void putU32(std::string& s, uint32_t v) {
    putU16(s, v & 0xFFFF);
    putU16(s, v >> 16);
}

std::string chunk(const std::string& id, const std::string& body, uint32_t declared = UINT32_MAX) {
    std::string s = id;
    putU32(s, declared == UINT32_MAX ? static_cast<uint32_t>(body.size()) : declared);
    s += body;
    if (body.size() % 2) s += '\0';
    return s;
}

std::string fmtBody(unsigned tag, unsigned channels, uint32_t rate, unsigned bits) {
    std::string b;
    putU16(b, tag);
    putU16(b, channels);
    putU32(b, rate);
    putU32(b, rate * channels * bits / 8);
    putU16(b, channels * bits / 8);
    putU16(b, bits);
    return b;
}

std::string extensibleFmtBody(unsigned channels, uint32_t rate, unsigned bits, unsigned subFormat) {
    std::string b = fmtBody(0xFFFE, channels, rate, bits);
    putU16(b, 22);    // extra size
    putU16(b, bits);  // valid bits
    putU32(b, 0);     // channel mask
    putU16(b, subFormat);
    b += std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    return b;
}

std::string riff(const std::string& chunks) {
    std::string s = "RIFF";
    putU32(s, static_cast<uint32_t>(4 + chunks.size()));
    return s + "WAVE" + chunks;
}

// A 16-bit mono WAV of the given length in milliseconds at 8 kHz.
std::string toneWav(int ms) {
    const int frames = 8 * ms;
    std::string pcm;
    for (int i = 0; i < frames; ++i) putU16(pcm, static_cast<uint16_t>(static_cast<int16_t>(8000 * std::sin(i * 0.3))));
    return riff(chunk("fmt ", fmtBody(1, 1, 8000, 16)) + chunk("data", pcm));
}

std::string dataPath(const std::string& name) { return std::string(FIELDSTACK_TEST_DATA) + "/platform/" + name; }

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A scratch folder with sound files written by the tests.
class ScratchFiles {
public:
    ScratchFiles() {
        dir_ = std::filesystem::temp_directory_path() /
               ("fieldstack-audio-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        std::filesystem::create_directories(dir_);
    }
    ~ScratchFiles() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::string write(const std::string& name, const std::string& bytes) {
        std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

private:
    static inline int counter_ = 0;
    std::filesystem::path dir_;
};

// --- Decoding -------------------------------------------------------------

TEST(SoundDecode, WavVariants) {
    std::string mono8 = std::string("\x80\xFF\x00", 3);
    std::string stereo16;
    for (int v : {1000, -1000, 32767, -32768}) putU16(stereo16, static_cast<uint16_t>(static_cast<int16_t>(v)));
    std::string pcm16 = stereo16;

    struct Case {
        const char* name;
        std::string bytes;
        int channels, rate;
        std::vector<int16_t> samples;
    };
    const std::vector<Case> cases = {
        {"8-bit mono, odd data padded", riff(chunk("fmt ", fmtBody(1, 1, 8000, 8)) + chunk("data", mono8)), 1, 8000,
         {0, 127 * 256, -128 * 256}},
        {"16-bit stereo", riff(chunk("fmt ", fmtBody(1, 2, 22050, 16)) + chunk("data", stereo16)), 2, 22050,
         {1000, -1000, 32767, -32768}},
        {"extensible PCM", riff(chunk("fmt ", extensibleFmtBody(2, 44100, 16, 1)) + chunk("data", stereo16)), 2, 44100,
         {1000, -1000, 32767, -32768}},
        {"unknown chunk first, data before fmt",
         riff(chunk("LIST", "abc") + chunk("data", pcm16) + chunk("fmt ", fmtBody(1, 1, 11025, 16))), 1, 11025,
         {1000, -1000, 32767, -32768}},
        {"data longer than declared file is cut to whole frames",
         riff(chunk("fmt ", fmtBody(1, 2, 8000, 16)) + chunk("data", pcm16.substr(0, 6), 4000)), 2, 8000,
         {1000, -1000}},
    };
    for (const Case& c : cases) {
        DecodedSound out;
        ASSERT_TRUE(decodeSoundBytes(c.bytes, out)) << c.name;
        EXPECT_EQ(out.channels, c.channels) << c.name;
        EXPECT_EQ(out.sampleRate, c.rate) << c.name;
        EXPECT_EQ(out.samples, c.samples) << c.name;
    }
}

TEST(SoundDecode, RejectsWhatIsNotPlayablePcm) {
    std::string pcm(8, '\x10');
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"empty", ""},
        {"riff header only", "RIFF\x04\x00\x00\x00WAVE"},
        {"no data chunk", riff(chunk("fmt ", fmtBody(1, 1, 8000, 16)))},
        {"no fmt chunk", riff(chunk("data", pcm))},
        {"24-bit", riff(chunk("fmt ", fmtBody(1, 1, 8000, 24)) + chunk("data", pcm))},
        {"float", riff(chunk("fmt ", fmtBody(3, 1, 8000, 32)) + chunk("data", pcm))},
        {"three channels", riff(chunk("fmt ", fmtBody(1, 3, 8000, 16)) + chunk("data", pcm))},
        {"zero rate", riff(chunk("fmt ", fmtBody(1, 1, 0, 16)) + chunk("data", pcm))},
        {"extensible float", riff(chunk("fmt ", extensibleFmtBody(1, 8000, 32, 3)) + chunk("data", pcm))},
        {"no whole frame", riff(chunk("fmt ", fmtBody(1, 2, 8000, 16)) + chunk("data", "ab"))},
        {"fmt chunk too short", riff(chunk("fmt ", "\x01\x00\x01\x00") + chunk("data", pcm))},
        {"ogg magic, garbage after", "OggS" + std::string(200, '\x5A')},
        {"text", "this is not a sound file at all"},
    };
    for (const auto& [name, bytes] : cases) {
        DecodedSound out;
        out.channels = 7;
        EXPECT_FALSE(decodeSoundBytes(bytes, out)) << name;
        EXPECT_EQ(out.channels, 0) << name;
        EXPECT_TRUE(out.samples.empty()) << name;
    }
}

TEST(SoundDecode, VorbisFilesDecodeToTheirLength) {
    struct Case {
        const char* file;
        int channels, rate;
    };
    for (const Case& c : {Case{"tone-300ms-mono.ogg", 1, 11025}, Case{"tone-300ms-stereo.ogg", 2, 22050}}) {
        DecodedSound out;
        ASSERT_TRUE(decodeSoundBytes(readAll(dataPath(c.file)), out)) << c.file;
        EXPECT_EQ(out.channels, c.channels) << c.file;
        EXPECT_EQ(out.sampleRate, c.rate) << c.file;
        EXPECT_NEAR(static_cast<double>(out.frames()) / c.rate, 0.3, 0.002) << c.file;
        int16_t peak = 0;
        for (int16_t s : out.samples) peak = std::max<int16_t>(peak, static_cast<int16_t>(std::abs(s)));
        EXPECT_GT(peak, 8000) << c.file << ": the tone was lost";
    }
}

TEST(SoundDecode, FrameLimitBoundsTheResult) {
    DecodedSound out;
    ASSERT_TRUE(decodeSoundBytes(readAll(dataPath("tone-300ms-mono.ogg")), out, 500));
    EXPECT_EQ(out.frames(), 500);
    ASSERT_TRUE(decodeSoundBytes(toneWav(100), out, 300));
    EXPECT_EQ(out.frames(), 300);
}

TEST(SoundDecode, DamagedVorbisNeverCrashes) {
    const std::string good = readAll(dataPath("tone-300ms-stereo.ogg"));
    ASSERT_GT(good.size(), 1000u);
    // Cut at every length around the header pages and flip bytes through the
    // file; decoding may fail or give less, but must stay within the file's
    // length.
    for (size_t cut = 0; cut < good.size(); cut += 97) {
        DecodedSound out;
        if (decodeSoundBytes(good.substr(0, cut), out)) {
            EXPECT_LE(out.frames(), 22050 * 3 / 10 + 1) << cut;
        }
    }
    for (size_t at = 0; at < good.size(); at += 53) {
        std::string bad = good;
        bad[at] = static_cast<char>(bad[at] ^ 0x5A);
        DecodedSound out;
        decodeSoundBytes(bad, out);
        auto stream = VorbisStream::open(std::make_shared<const std::string>(bad));
        if (stream) {
            std::vector<int16_t> pcm(2048);
            while (stream->read(pcm.data(), 1024) > 0) {
            }
        }
    }
}

TEST(SoundDecode, StreamReadsTheWholeFileAgainAfterRewind) {
    auto bytes = std::make_shared<const std::string>(readAll(dataPath("tone-300ms-stereo.ogg")));
    DecodedSound whole;
    ASSERT_TRUE(decodeSoundBytes(*bytes, whole));
    auto stream = VorbisStream::open(bytes);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->channels(), 2);
    EXPECT_EQ(stream->sampleRate(), 22050);
    EXPECT_EQ(stream->totalFrames(), whole.frames());
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<int16_t> all;
        std::vector<int16_t> piece(2 * 1000);
        int got = 0;
        while ((got = stream->read(piece.data(), 1000)) > 0) all.insert(all.end(), piece.begin(), piece.begin() + 2 * got);
        EXPECT_EQ(all, whole.samples) << "pass " << pass;
        ASSERT_TRUE(stream->rewind());
    }
    EXPECT_EQ(VorbisStream::open(std::make_shared<const std::string>(toneWav(50))), nullptr);
    EXPECT_EQ(VorbisStream::open(nullptr), nullptr);
}

// --- Channels without a device --------------------------------------------

int fakeNow = 0;
int fakeClock() { return fakeNow; }

class SilentAudio : public ::testing::Test {
protected:
    void SetUp() override {
        shutdownAudio();
        fakeNow = 1000;
        setAudioClockForTests(fakeClock);
        sound200 = loadSound(files.write("tone200.wav", toneWav(200)));
        ASSERT_NE(sound200, nullptr);
    }
    void TearDown() override { setAudioClockForTests(nullptr); }

    ScratchFiles files;
    SoundRef sound200;
};

TEST_F(SilentAudio, ChannelPlaysForTheSoundsLengthByTheClock) {
    ASSERT_FALSE(audioAvailable());
    EXPECT_EQ(soundLength(sound200), 200);
    ChannelRef ch = cueSound(sound200);
    ASSERT_NE(ch, nullptr);
    fakeNow += 5000;  // cued channels wait, paused, as long as it takes
    EXPECT_TRUE(channelPlaying(ch));
    setChannelPaused(ch, false);
    fakeNow += 199;
    EXPECT_TRUE(channelPlaying(ch));
    fakeNow += 2;
    EXPECT_FALSE(channelPlaying(ch));
    setChannelPaused(ch, true);  // an ended channel stays ended
    EXPECT_FALSE(channelPlaying(ch));
}

TEST_F(SilentAudio, PauseHoldsAndRateScalesThePlayTime) {
    ChannelRef ch = cueSound(sound200);
    setChannelPaused(ch, false);
    fakeNow += 100;
    setChannelPaused(ch, true);
    fakeNow += 10000;
    setChannelPaused(ch, false);
    setChannelRate(ch, 2.0f);  // the last 100 ms of sound take 50 ms
    fakeNow += 49;
    EXPECT_TRUE(channelPlaying(ch));
    fakeNow += 2;
    EXPECT_FALSE(channelPlaying(ch));
}

TEST_F(SilentAudio, EndIsFoundEvenWhenNobodyAskedInTime) {
    ChannelRef ch = cueSound(sound200);
    setChannelPaused(ch, false);
    fakeNow += 300;
    setChannelPaused(ch, true);  // pausing after the end does not revive it
    EXPECT_FALSE(channelPlaying(ch));
}

TEST_F(SilentAudio, LoopingPlaysUntilStopped) {
    ScratchFiles more;
    SoundRef loop = loadSound(more.write("loop.wav", toneWav(50)), SOUND_LOOP);
    ASSERT_NE(loop, nullptr);
    ChannelRef ch = cueSound(loop);
    setChannelPaused(ch, false);
    fakeNow += 100000;
    updateAudio();
    EXPECT_TRUE(channelPlaying(ch));
    stopChannel(ch);
    EXPECT_FALSE(channelPlaying(ch));
}

TEST_F(SilentAudio, StreamedMusicKnowsItsLength) {
    SoundRef music = loadSound(dataPath("tone-300ms-stereo.ogg"), SOUND_STREAM);
    ASSERT_NE(music, nullptr);
    EXPECT_EQ(soundLength(music), 300);
    ChannelRef ch = cueSound(music);
    setChannelPaused(ch, false);
    fakeNow += 290;
    EXPECT_TRUE(channelPlaying(ch));
    fakeNow += 20;
    EXPECT_FALSE(channelPlaying(ch));
}

TEST_F(SilentAudio, VolumeAndRateAreClamped) {
    ChannelRef ch = cueSound(sound200);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<std::pair<float, float>> volumes = {{0.5f, 0.5f}, {-1.0f, 0.0f}, {3.0f, 1.0f}, {nan, 0.0f},
                                                          {inf, 1.0f}, {-inf, 0.0f}};
    for (auto [given, expected] : volumes) {
        setChannelVolume(ch, given);
        EXPECT_EQ(channelVolume(ch), expected) << given;
    }
    const std::vector<std::pair<float, float>> rates = {{0.5f, 0.5f}, {0.0f, 1.0f / 32}, {-2.0f, 1.0f / 32},
                                                        {100.0f, 8.0f}, {nan, 1.0f}};
    for (auto [given, expected] : rates) {
        setChannelRate(ch, given);
        EXPECT_EQ(channelRate(ch), expected) << given;
    }
}

TEST_F(SilentAudio, MissingOrDamagedFilesGiveNoSound) {
    EXPECT_EQ(loadSound(files.write("junk.ogg", "OggS this is no vorbis")), nullptr);
    EXPECT_EQ(loadSound(files.write("junk2.ogg", "OggS this is no vorbis"), SOUND_STREAM), nullptr);
    EXPECT_EQ(loadSound(files.write("empty.wav", "")), nullptr);
    EXPECT_EQ(loadSound("/nonexistent/folder/sound.ogg"), nullptr);
    EXPECT_EQ(soundLength(nullptr), 0);
    EXPECT_EQ(cueSound(nullptr), nullptr);
    // Every channel operation takes null.
    ChannelRef none;
    setChannelVolume(none, 1.0f);
    setChannelRate(none, 1.0f);
    setChannelPaused(none, false);
    stopChannel(none);
    EXPECT_FALSE(channelPlaying(none));
}

// --- Channels on a device (OpenAL's null output) --------------------------

class DeviceAudio : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("ALSOFT_DRIVERS", "null", 1);
        ASSERT_TRUE(initAudio());
        ASSERT_TRUE(audioAvailable());
    }
    void TearDown() override { shutdownAudio(); }

    // Calls updateAudio as a frame loop does until the channel ends or the
    // time runs out; true when it ended.
    static bool playsOutWithin(const ChannelRef& ch, int ms) {
        auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (std::chrono::steady_clock::now() < until) {
            updateAudio();
            if (!channelPlaying(ch)) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    ScratchFiles files;
};

TEST_F(DeviceAudio, CuedChannelWaitsThenPlaysToItsEnd) {
    SoundRef s = loadSound(files.write("tone100.wav", toneWav(100)));
    ASSERT_NE(s, nullptr);
    ChannelRef ch = cueSound(s);
    EXPECT_EQ(audioStatsForTests().voices, 1);
    EXPECT_FALSE(playsOutWithin(ch, 300)) << "a cued channel must wait until it is resumed";
    setChannelVolume(ch, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(channelVolume(ch), 0.0f);  // as the device has it
    setChannelVolume(ch, 7.0f);
    EXPECT_EQ(channelVolume(ch), 1.0f);
    setChannelPaused(ch, false);
    EXPECT_TRUE(playsOutWithin(ch, 3000));
    updateAudio();
    AudioStats stats = audioStatsForTests();
    EXPECT_EQ(stats.channels, 0);
    EXPECT_EQ(stats.voices, 0);
    EXPECT_EQ(stats.spareVoices, 1);
}

TEST_F(DeviceAudio, StreamedMusicLoopsUntilStoppedAndEndsWhenItDoesNotLoop) {
    SoundRef looping = loadSound(dataPath("tone-300ms-stereo.ogg"), SOUND_STREAM | SOUND_LOOP);
    SoundRef once = loadSound(dataPath("tone-300ms-mono.ogg"), SOUND_STREAM);
    ASSERT_NE(looping, nullptr);
    ASSERT_NE(once, nullptr);
    EXPECT_EQ(soundLength(once), 300);
    ChannelRef loopCh = cueSound(looping);
    ChannelRef onceCh = cueSound(once);
    setChannelPaused(loopCh, false);
    setChannelPaused(onceCh, false);
    EXPECT_TRUE(playsOutWithin(onceCh, 3000));
    EXPECT_FALSE(playsOutWithin(loopCh, 700)) << "a looping piece played out";
    setChannelPaused(loopCh, true);
    EXPECT_TRUE(channelPlaying(loopCh));
    stopChannel(loopCh);
    EXPECT_FALSE(channelPlaying(loopCh));
}

TEST_F(DeviceAudio, ChannelsBeyondTheDevicesSourcesStillPlayAndSourcesAreReused) {
    SoundRef s = loadSound(files.write("tone50.wav", toneWav(50)));
    ASSERT_NE(s, nullptr);
    std::vector<ChannelRef> many;
    for (int i = 0; i < 300; ++i) many.push_back(cueSound(s));
    for (const auto& ch : many) EXPECT_TRUE(channelPlaying(ch));
    const int voices = audioStatsForTests().voices;
    EXPECT_GT(voices, 0);
    EXPECT_LT(voices, 300) << "the null device was expected to have fewer sources than channels";
    for (const auto& ch : many) stopChannel(ch);
    updateAudio();
    EXPECT_EQ(audioStatsForTests().voices, 0);
    EXPECT_EQ(audioStatsForTests().spareVoices, voices);
    ChannelRef again = cueSound(s);
    EXPECT_EQ(audioStatsForTests().spareVoices, voices - 1);
    EXPECT_EQ(audioStatsForTests().voices, 1);
}

TEST_F(DeviceAudio, DroppedChannelsPlayOutAndDroppedPausedOnesAreRetired) {
    SoundRef s = loadSound(files.write("tone100.wav", toneWav(100)));
    ASSERT_NE(s, nullptr);
    {
        ChannelRef fireAndForget = cueSound(s);
        setChannelPaused(fireAndForget, false);
        ChannelRef forgotten = cueSound(s);  // never resumed
    }
    updateAudio();
    EXPECT_EQ(audioStatsForTests().channels, 1) << "the playing one goes on, the paused one is retired";
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (audioStatsForTests().channels > 0 && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        updateAudio();
    }
    EXPECT_EQ(audioStatsForTests().channels, 0);
}

TEST_F(DeviceAudio, ShutdownEndsChannelsAndLeavesSoundsUsableSilently) {
    SoundRef s = loadSound(files.write("tone100.wav", toneWav(100)));
    ChannelRef ch = cueSound(s);
    setChannelPaused(ch, false);
    shutdownAudio();
    EXPECT_FALSE(audioAvailable());
    EXPECT_FALSE(channelPlaying(ch));
    ChannelRef later = cueSound(s);
    EXPECT_TRUE(channelPlaying(later));
    setChannelPaused(later, false);
    EXPECT_TRUE(playsOutWithin(later, 3000));
}

}  // namespace
