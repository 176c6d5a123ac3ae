#include "simulation/notes.h"

#include <algorithm>

namespace zf {

namespace {

constexpr int kTempo[5] = {200, 155, 110, 85, 60};

constexpr int kFrequency[3][14] = {
    {131, 139, 146, 155, 165, 174, 185, 196, 208, 220, 233, 247, 262, 0},
    {262, 277, 294, 311, 330, 349, 370, 392, 415, 440, 466, 494, 523, 0},
    {523, 554, 587, 622, 659, 698, 740, 784, 831, 880, 932, 988, 1047, 0},
};

} // namespace

int NoteDuration(int length, int tempoIndex) {
    // A loaded program may carry any digit: tempo and length are kept in range.
    const int tempo = kTempo[std::clamp(tempoIndex, 1, 5) - 1];
    // (length / 4) x 60000 / tempo, truncated.
    return std::max(length, 0) * 15000 / tempo;
}

int NoteFrequency(int pitch, int octave) {
    if (pitch < 1 || pitch > kRestPitch)
        return 0;
    return kFrequency[std::clamp(octave, 1, 3) - 1][pitch - 1];
}

int PlayNote(UserInterface& ui, int length, int pitch, int tempoIndex, int octave) {
    const int ms = NoteDuration(length, tempoIndex);
    ui.PlayTone(NoteFrequency(pitch, octave), ms);
    return ms;
}

Tone SoundTone(Sound sound) {
    switch (sound) {
    case Sound::SecondKey:
        return {NoteFrequency(12, 2), NoteDuration(1, 3)};
    case Sound::Error:
        return {NoteFrequency(1, 1), NoteDuration(3, 3)};
    case Sound::KeyClick:
        break;
    }
    return {NoteFrequency(8, 2), NoteDuration(1, 3)};
}

Sound KeySoundFor(bool defining, KeyStatus status) {
    return defining && status != status::DefinitionMade ? Sound::SecondKey : Sound::KeyClick;
}

} // namespace zf
