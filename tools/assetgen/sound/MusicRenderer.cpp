#include "assetgen/sound/MusicRenderer.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct SynthEvent {
    long frame;
    bool on;
    int channel;  // 0-based
    int key;
    int velocity;
};

long frameAt(const Score& score, long tick) {
    return std::lround(score.secondsAt(tick) * MusicRenderer::kRate);
}

std::vector<SynthEvent> eventsOf(const Score& score) {
    std::vector<SynthEvent> events;
    for (const ScoreNote& note : score.notes) {
        const int channel = score.voices[note.voice].channel - 1;
        events.push_back({frameAt(score, note.tick), true, channel, note.key, note.velocity});
        events.push_back({frameAt(score, note.tick + note.length), false, channel, note.key, 0});
    }
    // A note that ends where the same key starts again must stop first.
    std::stable_sort(events.begin(), events.end(), [](const SynthEvent& a, const SynthEvent& b) {
        return a.frame != b.frame ? a.frame < b.frame : (!a.on && b.on);
    });
    return events;
}

void setUpVoices(fluid_synth_t* synth, int font, const Score& score) {
    for (const Voice& v : score.voices) {
        const int ch = v.channel - 1;
        fluid_synth_program_select(synth, ch, font, v.isDrums() ? 128 : 0, v.program);
        fluid_synth_cc(synth, ch, 7, v.volume);
        fluid_synth_cc(synth, ch, 10, v.pan);
        fluid_synth_cc(synth, ch, 91, v.reverb);
        fluid_synth_cc(synth, ch, 93, v.chorus);
    }
}

void play(fluid_synth_t* synth, const std::vector<SynthEvent>& events, AudioBuffer& out) {
    float* data = out.samples().data();
    long done = 0;
    auto renderTo = [&](long frame) {
        frame = std::min(frame, out.frames());
        if (frame > done) {
            fluid_synth_write_float(synth, static_cast<int>(frame - done), data, 2 * done, 2, data,
                                    2 * done + 1, 2);
            done = frame;
        }
    };
    for (const SynthEvent& e : events) {
        renderTo(e.frame);
        if (e.on) {
            fluid_synth_noteon(synth, e.channel, e.key, e.velocity);
        } else {
            fluid_synth_noteoff(synth, e.channel, e.key);
        }
    }
    renderTo(out.frames());
}

// Mixes everything past the loop's end back over its start, fading the last
// moments of the tail so that cutting it off makes no click.
AudioBuffer foldTail(const AudioBuffer& whole, long loopFrames) {
    AudioBuffer loop(2, whole.rate(), loopFrames);
    const long fade = whole.rate() / 2;
    for (long f = 0; f < whole.frames(); ++f) {
        const long left = whole.frames() - f;
        const float gain = left < fade ? static_cast<float>(left) / fade : 1.0f;
        for (int c = 0; c < 2; ++c) {
            loop.at(f % loopFrames, c) += whole.at(f, c) * (f < loopFrames ? 1.0f : gain);
        }
    }
    return loop;
}

}  // namespace

int MusicRenderer::render(const Score& score, AudioBuffer& loop) {
    const long loopFrames = frameAt(score, score.lengthTicks);
    if (loopFrames <= 0) {
        error_ = "the piece is empty";
        return -1;
    }
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kRate);
    fluid_settings_setnum(settings, "synth.gain", 0.5);
    fluid_settings_setint(settings, "synth.polyphony", 256);
    fluid_settings_setnum(settings, "synth.reverb.room-size", score.room);
    fluid_settings_setnum(settings, "synth.reverb.damp", 0.4);
    fluid_settings_setnum(settings, "synth.reverb.width", 0.9);
    fluid_settings_setnum(settings, "synth.reverb.level", 0.7);
    fluid_synth_t* synth = new_fluid_synth(settings);
    const int font = synth != nullptr ? fluid_synth_sfload(synth, soundFont_.c_str(), 1) : -1;
    int result = 0;
    if (font < 0) {
        error_ = "cannot load the sound font " + soundFont_;
        result = -1;
    } else {
        setUpVoices(synth, font, score);
        AudioBuffer whole(2, kRate, loopFrames + std::lround(kTailSeconds * kRate));
        play(synth, eventsOf(score), whole);
        loop = foldTail(whole, loopFrames);
    }
    if (synth != nullptr) {
        delete_fluid_synth(synth);
    }
    delete_fluid_settings(settings);
    return result;
}
