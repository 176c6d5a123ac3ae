#include "desktop/frame/document.h"

namespace zf::ui {

Document::Document() : editor(std::make_unique<GoEditor>(ui)) {}

void Document::ResetGraphicsLibrary() {
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
