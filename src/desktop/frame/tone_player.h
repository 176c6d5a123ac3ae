#pragma once

#include <QObject>

#include <deque>
#include <memory>

class QAudioSink;

namespace zf::ui {

class ToneStream;

// Square-wave tones on the platform's audio output, queued one after the
// other. Where there is no audio device it stays silent; callers keep the
// same timing either way, because nothing here waits. Finding the device
// loads the media backend and may wait for a sound server, so it happens on
// the first tone or on Prepare, not at construction.
class TonePlayer : public QObject {
    Q_OBJECT
  public:
    explicit TonePlayer(QObject* parent = nullptr);
    ~TonePlayer() override;

    void Prepare();
    void Play(int frequency, int milliseconds);

  private:
    std::unique_ptr<ToneStream> stream_;
    QAudioSink* sink_ = nullptr;
    bool prepared_ = false;
};

} // namespace zf::ui
