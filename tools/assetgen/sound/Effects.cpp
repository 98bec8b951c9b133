#include <cstdio>

#include "assetgen/AssetModules.h"
#include "assetgen/sound/SoundEffects.h"
#include "assetgen/sound/SoundFile.h"

namespace {

void writeEffect(AssetWriter& out, const AudioBuffer& sound, const char* file) {
    if (SoundFile::writeWav16(out.prepare(file), sound) != 0) {
        std::fprintf(stderr, "kavrel-assetgen: cannot write %s\n", file);
        return;
    }
    std::printf("        %-28s %4.2f s  RMS %6.1f dBFS  peak %5.1f dBFS\n", file, sound.seconds(),
                sound.rmsDb(), sound.peakDb());
    out.written(file);
}

void makeEffects(AssetWriter& out) {
    writeEffect(out, SoundEffects::explosion(), "sound/explosion.wav");
    writeEffect(out, SoundEffects::chime(5), "sound/5_point.wav");
    writeEffect(out, SoundEffects::chime(10), "sound/10_point.wav");
    writeEffect(out, SoundEffects::chime(15), "sound/15_point.wav");
    writeEffect(out, SoundEffects::pointsDenied(), "sound/points_denied.wav");
    writeEffect(out, SoundEffects::brainHit(), "sound/brain_hit_screaming.wav");
    writeEffect(out, SoundEffects::brainKill(), "sound/brain_kill.wav");
}

}  // namespace

const AssetModule kEffects = {"effects", 7, &makeEffects};
