#include "desktop/frame/tone_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

#include <algorithm>
#include <cstring>

namespace zf::ui {

namespace {
constexpr int kRate = 22050;
constexpr qint16 kAmplitude = 6000;
} // namespace

// Pulls samples from a queue of tones; a frequency of 0 is a rest.
class ToneStream : public QIODevice {
  public:
    struct Tone {
        int frequency;
        qint64 samples;
    };

    ToneStream() { open(QIODevice::ReadOnly); }

    void Add(int frequency, int milliseconds) {
        tones_.push_back({frequency, qint64(milliseconds) * kRate / 1000});
    }
    bool Empty() const { return tones_.empty(); }

    qint64 bytesAvailable() const override {
        qint64 n = 0;
        for (const Tone& t : tones_)
            n += t.samples * 2;
        return n + QIODevice::bytesAvailable();
    }

  protected:
    qint64 readData(char* data, qint64 maxSize) override {
        qint64 written = 0;
        while (written + 2 <= maxSize && !tones_.empty()) {
            Tone& t = tones_.front();
            qint16 value = 0;
            if (t.frequency > 0) {
                const qint64 period = std::max<qint64>(2, kRate / t.frequency);
                value = (phase_ % period) < period / 2 ? kAmplitude : -kAmplitude;
            }
            std::memcpy(data + written, &value, 2);
            written += 2;
            ++phase_;
            if (--t.samples <= 0) {
                tones_.pop_front();
                phase_ = 0;
            }
        }
        return written;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    std::deque<Tone> tones_;
    qint64 phase_ = 0;
};

TonePlayer::TonePlayer(QObject* parent)
    : QObject(parent), stream_(std::make_unique<ToneStream>()) {}

void TonePlayer::Prepare() {
    if (prepared_)
        return;
    prepared_ = true;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    QAudioFormat format;
    format.setSampleRate(kRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return;
    sink_ = new QAudioSink(device, format, this);
}

TonePlayer::~TonePlayer() {
    if (sink_)
        sink_->stop();
}

void TonePlayer::Play(int frequency, int milliseconds) {
    Prepare();
    if (!sink_ || milliseconds <= 0)
        return;
    const bool idle = stream_->Empty();
    stream_->Add(frequency, milliseconds);
    if (idle || sink_->state() != QAudio::ActiveState)
        sink_->start(stream_.get());
}

} // namespace zf::ui
