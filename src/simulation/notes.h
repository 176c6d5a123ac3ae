#pragma once

#include "program/key_entry.h"
#include "program/user_interface.h"

namespace zf {

inline constexpr int kRestPitch = 14;

// Milliseconds of a note of `length` quarter beats (1..8) at tempo 1..5.
int NoteDuration(int length, int tempoIndex);
// Hz of pitch 1..14 (14 a rest) in octave 1..3.
int NoteFrequency(int pitch, int octave);

// Plays one note through the interface and answers its length in ms.
int PlayNote(UserInterface& ui, int length, int pitch, int tempoIndex, int octave);

// The sounds of the keypad, the lists and the warning box, when sound is on.
enum class Sound { KeyClick, SecondKey, Error };
struct Tone {
    int frequency;
    int milliseconds;
};
Tone SoundTone(Sound sound);
// What a key the Go Container took sounds like: a second, higher click
// while a procedure is being defined, unless the key made the definition.
Sound KeySoundFor(bool defining, KeyStatus status);

} // namespace zf
