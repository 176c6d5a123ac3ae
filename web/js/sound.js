// The robot's beeper: the notes the core asks for, one after another, as a
// plain square wave. Browsers let sound start only after a click or a key,
// so the audio is made at the first note that follows one.
export class Speaker {
  constructor() {
    this.audio = null;
    this.until = 0;
  }

  play(tones) {
    if (!tones?.length) return;
    const Audio = window.AudioContext || window.webkitAudioContext;
    if (!Audio) return;
    this.audio ??= new Audio();
    const audio = this.audio;
    let at = Math.max(audio.currentTime, this.until);
    for (const [frequency, ms] of tones) {
      const seconds = ms / 1000;
      if (frequency > 0 && seconds > 0) {
        const tone = audio.createOscillator();
        const volume = audio.createGain();
        tone.type = 'square';
        tone.frequency.value = frequency;
        volume.gain.value = 0.05;
        tone.connect(volume).connect(audio.destination);
        tone.start(at);
        tone.stop(at + seconds);
      }
      at += seconds;
    }
    this.until = at;
  }
}
