#include "assetgen/sound/SoundEffects.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "assetgen/sound/Envelope.h"
#include "assetgen/sound/Filter.h"
#include "assetgen/sound/Noise.h"
#include "assetgen/sound/Oscillator.h"

namespace {

constexpr double kRate = SoundEffects::kRate;

AudioBuffer silence(double seconds) {
    return AudioBuffer(1, SoundEffects::kRate, std::lround(seconds * kRate));
}

double timeOf(long frame) {
    return frame / kRate;
}

// Brings the peak to the common level and makes the last few milliseconds
// fade to nothing, so no effect ends on a click.
AudioBuffer finish(AudioBuffer sound) {
    const long fade = std::lround(0.03 * kRate);
    for (long i = 0; i < fade && i < sound.frames(); ++i) {
        sound.at(sound.frames() - 1 - i, 0) *= static_cast<float>(i) / fade;
    }
    sound.scale(dbToGain(SoundEffects::kPeakDb - sound.peakDb()));
    return sound;
}

// One struck bell tone: a few partials, the higher ones dying faster.
void addBell(AudioBuffer& out, double start, double frequency, double level) {
    static const double kPartials[][3] = {// ratio, level, decay time
                                          {1.0, 1.0, 0.22},
                                          {2.0, 0.45, 0.12},
                                          {3.0, 0.25, 0.08},
                                          {4.2, 0.18, 0.04}};
    for (const auto& p : kPartials) {
        const double f = frequency * p[0];
        if (f > 10000.0) {
            continue;
        }
        for (long i = std::lround(start * kRate); i < out.frames(); ++i) {
            const double t = timeOf(i) - start;
            const double attack = std::min(1.0, t / 0.002);
            out.at(i, 0) += static_cast<float>(level * p[1] * attack * std::exp(-t / p[2]) *
                                               std::sin(2.0 * M_PI * f * t));
        }
    }
}

// A voice-like tone: a buzzing source through three vowel formants, then
// driven into distortion. pitch and vowel are given per moment (the vowel
// runs from 0 "ah" to 1 "ee").
struct ScreamShape {
    double (*pitch)(double t);
    double (*vowel)(double t);
    double (*level)(double t);
    double drive;
};

void addScream(AudioBuffer& out, const ScreamShape& shape, double length, std::uint32_t seed) {
    Oscillator source(kRate);
    Oscillator vibrato(kRate);
    Noise noise(seed);
    Filter f1(kRate), f2(kRate), f3(kRate), wobble(kRate);
    for (long i = 0; i < std::lround(length * kRate) && i < out.frames(); ++i) {
        const double t = timeOf(i);
        // An unsteady pitch: vibrato plus a slow random drift.
        const double drift = wobble.next(noise.next(), 12.0, 0.7).low * 6.0;
        const double pitch =
            shape.pitch(t) * (1.0 + 0.045 * vibrato.next(7.5, Oscillator::kSine) + 0.08 * drift);
        const float raw = 0.7f * source.next(pitch, Oscillator::kSaw) + 0.25f * noise.next();
        const double v = shape.vowel(t);
        const float voiced = f1.next(raw, 800.0 - 450.0 * v, 4.0).band +
                             0.8f * f2.next(raw, 1150.0 + 1100.0 * v, 5.0).band +
                             0.5f * f3.next(raw, 2700.0 + 300.0 * v, 6.0).band;
        out.at(i, 0) += static_cast<float>(shape.level(t) * std::tanh(shape.drive * voiced));
    }
}

// Wet gurgles: bursts of noise through a resonant band whose centre jumps.
void addGurgle(AudioBuffer& out, double from, double to, double level, std::uint32_t seed) {
    Noise noise(seed);
    Filter band(kRate), slow(kRate);
    double centre = 500.0;
    for (long i = std::lround(from * kRate); i < std::lround(to * kRate) && i < out.frames(); ++i) {
        if (i % 441 == 0) {
            centre = 250.0 + 650.0 * (0.5 + 0.5 * noise.next());
        }
        const double pulse = 0.5 + 0.5 * std::sin(2.0 * M_PI * 23.0 * timeOf(i));
        const float b =
            band.next(noise.next(), slow.next(static_cast<float>(centre), 30.0, 0.5).low, 9.0).band;
        out.at(i, 0) += static_cast<float>(level * pulse * pulse * b);
    }
}

// Bubbles: short rising sine chirps.
void addBubble(AudioBuffer& out, double start, double from, double to, double level) {
    const double length = 0.035;
    double phase = 0.0;
    for (long i = std::lround(start * kRate); i < out.frames(); ++i) {
        const double t = timeOf(i) - start;
        if (t > length) {
            break;
        }
        phase += (from + (to - from) * t / length) / kRate;
        const double env = std::sin(M_PI * t / length);
        out.at(i, 0) += static_cast<float>(level * env * std::sin(2.0 * M_PI * phase));
    }
}

}  // namespace

AudioBuffer SoundEffects::explosion() {
    AudioBuffer out = silence(0.9);
    Noise noise(1001);
    Filter burst(kRate), rumble(kRate);
    Oscillator thump(kRate);
    const Envelope burstLevel{{0.0, 0.0}, {0.004, 1.0}, {0.08, 0.7}, {0.3, 0.25}, {0.9, 0.0}};
    const Envelope rumbleLevel{{0.0, 0.0}, {0.02, 1.0}, {0.4, 0.5}, {0.9, 0.0}};
    for (long i = 0; i < out.frames(); ++i) {
        const double t = timeOf(i);
        const float n = noise.next();
        const double cutoff = 150.0 + 5000.0 * std::exp(-t / 0.12);
        const float hiss = burst.next(n, cutoff, 0.7).low;
        const float low = rumble.next(n, 120.0, 0.9).low * 4.0f;
        const float body = thump.next(70.0 * std::exp(-t / 0.5) + 30.0, Oscillator::kSine);
        const double mixed =
            1.6 * burstLevel.at(t) * hiss + rumbleLevel.at(t) * (0.8 * low + 0.22 * body);
        out.at(i, 0) = static_cast<float>(std::tanh(1.8 * mixed));
    }
    return finish(out);
}

AudioBuffer SoundEffects::chime(int points) {
    // Two notes for 5 and 10 points, three for 15; each set a third higher.
    const double c6 = 1046.5;
    const double root = points >= 15 ? c6 * 1.4983 : (points >= 10 ? c6 * 1.2599 : c6);
    AudioBuffer out = silence(points >= 15 ? 0.55 : 0.45);
    addBell(out, 0.0, root, 1.0);
    addBell(out, 0.065, root * 1.4983, 0.9);
    if (points >= 15) {
        addBell(out, 0.13, root * 2.0, 0.8);
    }
    // A touch of saturation thickens the tail so it carries over the music.
    out.scale(1.0 / std::pow(10.0, out.peakDb() / 20.0));
    for (float& s : out.samples()) {
        s = static_cast<float>(std::tanh(1.3 * s));
    }
    return finish(out);
}

AudioBuffer SoundEffects::pointsDenied() {
    AudioBuffer out = silence(0.42);
    Oscillator a(kRate), b(kRate), sub(kRate);
    Filter tone(kRate);
    const Envelope level{{0.0, 0.0}, {0.015, 1.0}, {0.36, 0.85}, {0.42, 0.0}};
    for (long i = 0; i < out.frames(); ++i) {
        const double t = timeOf(i);
        const double pitch = 110.0 - 14.0 * t;
        const float raw = a.next(pitch, Oscillator::kSaw) +
                          b.next(pitch * 1.013, Oscillator::kSaw) +
                          0.8f * sub.next(pitch / 2.0, Oscillator::kSquare);
        const double tremolo = 0.75 + 0.25 * std::sin(2.0 * M_PI * 16.0 * t);
        const float filtered = tone.next(raw, 900.0, 1.2).low;
        out.at(i, 0) = static_cast<float>(level.at(t) * tremolo * std::tanh(1.5 * filtered));
    }
    return finish(out);
}

AudioBuffer SoundEffects::brainHit() {
    AudioBuffer out = silence(0.85);
    const ScreamShape shape{
        [](double t) { return t < 0.15 ? 520.0 + 1600.0 * t : 760.0 - 450.0 * (t - 0.15); },
        [](double t) { return std::min(1.0, t * 2.5); },
        [](double t) {
            return Envelope{{0.0, 0.0}, {0.02, 1.0}, {0.6, 0.8}, {0.85, 0.0}}.at(t);
        },
        4.0};
    addScream(out, shape, 0.85, 2002);
    addGurgle(out, 0.0, 0.85, 0.5, 2003);
    addBubble(out, 0.18, 250.0, 900.0, 0.35);
    addBubble(out, 0.42, 300.0, 1100.0, 0.3);
    addBubble(out, 0.63, 220.0, 800.0, 0.3);
    return finish(out);
}

AudioBuffer SoundEffects::brainKill() {
    AudioBuffer out = silence(2.3);
    const ScreamShape shape{
        [](double t) { return t < 0.3 ? 600.0 + 1000.0 * t : 900.0 * std::exp(-(t - 0.3) * 1.4); },
        [](double t) { return std::max(0.0, 1.0 - t * 0.7); },
        [](double t) {
            return Envelope{{0.0, 0.0}, {0.03, 1.0}, {1.2, 0.85}, {1.62, 0.0}}.at(t);
        },
        5.0};
    addScream(out, shape, 1.65, 3003);
    addGurgle(out, 0.0, 1.6, 0.45, 3004);
    // The splat: a wet thump of low noise and a falling sine, then drips.
    Noise noise(3005);
    Filter body(kRate);
    Oscillator thump(kRate);
    const double splat = 1.6;
    for (long i = std::lround(splat * kRate); i < out.frames(); ++i) {
        const double t = timeOf(i) - splat;
        const double decay = std::exp(-t / 0.09);
        const float n = body.next(noise.next(), 300.0 + 2500.0 * std::exp(-t / 0.05), 0.9).low;
        const float low = thump.next(40.0 + 60.0 * std::exp(-t / 0.06), Oscillator::kSine);
        out.at(i, 0) += static_cast<float>(std::tanh(2.5 * decay * (2.2 * n + 0.6 * low)));
    }
    const double drips[] = {1.78, 1.9, 2.04, 2.16};
    for (int d = 0; d < 4; ++d) {
        addBubble(out, drips[d], 400.0 + 120.0 * d, 1300.0, 0.3 - 0.05 * d);
    }
    return finish(out);
}
