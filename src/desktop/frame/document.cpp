#include "desktop/frame/document.h"

#include "render/picture_cache.h"

namespace zf::ui {

Document::Document() : editor(std::make_unique<GoEditor>(ui, tables)) {
    ui.project = &project;
}

void Document::ResetGraphicsLibrary() {
    // Another project: its pictures may share names with the last one's.
    ForgetCachedPictures();
    emit libraryReset();
}

void Document::SetProjectTitle(const std::string& path) {
    emit titleChanged(path);
}

void Document::ApplyOptions(const ProjectOptions& projectOptions) {
    emit optionsLoaded(projectOptions);
}

void Document::WorkingAreaChanged() {
    emit workingAreaChanged();
}

} // namespace zf::ui
