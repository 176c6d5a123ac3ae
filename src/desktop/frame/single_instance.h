#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

namespace zf::ui {

// One Zarnikfield per user session. The first start holds a lock and
// listens on a local socket in the runtime folder; a later start hands the
// running one its file (or nothing, to bring the window forward) and ends.
// A lock left by a crashed start is taken over.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    enum class Start { First, HandedOver, Failed };

    // `folder` holds the lock and the socket; by default the runtime folder.
    explicit SingleInstance(const QString& folder = {}, QObject* parent = nullptr);
    ~SingleInstance() override;

    // `file` is passed on as an absolute path; "" only brings the window
    // forward.
    Start Claim(const QString& file);

  signals:
    // Sent after the event loop takes over, never inside the socket's own
    // handler, so that the receiver may ask questions.
    void handedOver(const QString& file);

  private:
    enum class HandOverResult { NoInstance, Delivered, NoAnswer };
    HandOverResult HandOver(const QString& file);
    void Accept();

    QString socketPath_;
    QLockFile lock_;
    QLocalServer* server_ = nullptr;
};

} // namespace zf::ui
