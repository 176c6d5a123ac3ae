#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>
#include <string>

class QLocalServer;

namespace zf::ui {

// One Zarnikfield per user session. The first start holds a lock and
// listens on a local socket in the runtime folder; a later start hands the
// running one its file (or nothing, to bring the window forward) and ends.
// A lock that no running start holds is taken over, whatever it says.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    enum class Start { First, HandedOver, Failed };

    // `folder` holds the lock and the socket; by default the runtime folder.
    explicit SingleInstance(const QString& folder = {}, QObject* parent = nullptr);
    ~SingleInstance() override;

    // `file` is the name's bytes as given, passed on as an absolute path;
    // "" only brings the window forward.
    Start Claim(const std::string& file);
    // Why Claim failed, for the user.
    const std::string& failure() const { return failure_; }

  signals:
    // The file's bytes. Sent after the event loop takes over, never inside
    // the socket's own handler, so that the receiver may ask questions.
    void handedOver(const QByteArray& file);

  private:
    enum class HandOverResult { NoInstance, Delivered, NoAnswer };
    HandOverResult HandOver(const QByteArray& file);
    void Accept();

    QString folder_;
    QString socketPath_;
    QLockFile lock_;
    QLocalServer* server_ = nullptr;
    std::string failure_;
};

} // namespace zf::ui
