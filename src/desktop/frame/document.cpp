#include "desktop/frame/document.h"

#include "render/picture_cache.h"

namespace zf::ui {

Document::Document() : editor(std::make_unique<GoEditor>(ui, tables)) {
    ui.project = &project;
}

void Document::ResetGraphicsLibrary() {
    // Another project: its pictures may share names with the last one's.
    ForgetCachedPictures();
    if (resetLibrary)
        resetLibrary();
}

void Document::SetProjectTitle(const std::string& path) {
    if (setTitle)
        setTitle(path);
}

void Document::ApplyOptions(const ProjectOptions& projectOptions) {
    if (applyOptions)
        applyOptions(projectOptions);
}

void Document::WorkingAreaChanged() {
    if (workingAreaChanged)
        workingAreaChanged();
}

} // namespace zf::ui
