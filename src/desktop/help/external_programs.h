#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace zf::ui {

// Other programs started detached from this one, and links opened with the
// desktop's own handler. Tests put in one that records the calls instead.
class ExternalPrograms {
  public:
    virtual ~ExternalPrograms() = default;
    virtual bool Start(const QString& program, const QStringList& arguments);
    virtual void OpenUrl(const QUrl& url);
};

} // namespace zf::ui
