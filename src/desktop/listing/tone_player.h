#pragma once

#include <QObject>

#include <deque>
#include <memory>

class QAudioSink;

namespace zf::ui {

class ToneStream;

// Square-wave tones on the platform's audio output, queued one after the
// other. Where there is no audio device it stays silent; callers keep the
// same timing either way, because nothing here waits.
class TonePlayer : public QObject {
    Q_OBJECT
  public:
    explicit TonePlayer(QObject* parent = nullptr);
    ~TonePlayer() override;

    void Play(int frequency, int milliseconds);
    bool HasDevice() const { return sink_ != nullptr; }

  private:
    std::unique_ptr<ToneStream> stream_;
    QAudioSink* sink_ = nullptr;
};

} // namespace zf::ui
