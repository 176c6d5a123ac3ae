#pragma once

#include "program/text_ids.h"

#include <QtGlobal>

#include <string>

class QWidget;

namespace zf::ui {

class DesktopUi;

// One kind of file the save dialog writes: the dialog's title (a string
// id), the filter's name and the extension given to a name typed without
// one.
struct SaveFileKind {
    TextId titleId;
    const char* filterName;
    const char* extension;
    // For a kind whose title has no string id: in the "FileTypes" context.
    const char* title = nullptr;
};
// The filter names are shown translated in the "FileTypes" context.
inline constexpr SaveFileKind kGoProgramFiles{TextId::SaveGoProgramTitle,
                                              QT_TRANSLATE_NOOP("FileTypes", "Go Program"), "gop"};
inline constexpr SaveFileKind kProjectFiles{TextId::SaveProjectTitle,
                                            QT_TRANSLATE_NOOP("FileTypes", "Project"), "zfp"};
inline constexpr SaveFileKind kLessonFiles{TextId::Unnumbered,
                                           QT_TRANSLATE_NOOP("FileTypes", "Lesson"), "zfl",
                                           QT_TRANSLATE_NOOP("FileTypes", "Save Lesson")};

// `path` with "." and the extension added when its name has no extension.
std::string WithDefaultExtension(const std::string& path, const char* extension);

// Asks where to save, starting at `start` (a folder, or a file to suggest),
// and answers the name the file will be written under, "" when cancelled.
// Replacing a file that exists is asked about for that very name.
std::string AskSavePath(QWidget* owner, DesktopUi& ui, const SaveFileKind& kind,
                        const std::string& start);

// File > Open Project's choice, starting in `folder`; "" when cancelled. The
// list offers projects only, but a name typed in full opens whatever it names.
std::string ChooseProjectFile(QWidget* owner, const std::string& folder);
// File > Open Lesson's choice, likewise.
std::string ChooseLessonFile(QWidget* owner, const std::string& folder);

} // namespace zf::ui
