// The desktop's interface as far as it moves the listings: the cursors and
// scrolling of the Go List and the Procedure window. It lives beside the
// views so that the frame below them need not include them.
#include "desktop/frame/desktop_ui.h"

#include "desktop/listing/list_view.h"
#include "desktop/listing/procedure_pane.h"

namespace zf::ui {

ListView* DesktopUi::List(int list) const {
    return list == GO_LIST ? goList.data() : list == PROC_LIST ? procList.data() : nullptr;
}

void DesktopUi::ShowListCursor(int list, int line, int style) {
    if (ListView* view = List(list))
        view->ShowCursor(line, style);
    emit programChanged();
}

void DesktopUi::HideListCursor(int list) {
    if (ListView* view = List(list))
        view->HideCursor();
    emit programChanged();
}

void DesktopUi::PaintListCursor(int list) {
    if (ListView* view = List(list))
        view->update();
}

void DesktopUi::RepaintList(int list, int) {
    if (ListView* view = List(list))
        view->ListChanged();
    emit programChanged();
}

void DesktopUi::ListReindented(int list) {
    RepaintList(list, 1);
}

void DesktopUi::SetScrollRange(int list, int) {
    if (ListView* view = List(list))
        view->ListChanged();
    emit programChanged();
}

void DesktopUi::ScrollToLine(int list, int line) {
    if (ListView* view = List(list))
        view->ScrollLineIntoView(line);
}

void DesktopUi::BringProcedureWindowToTop() {
    if (procedurePane)
        procedurePane->Restore();
}

void DesktopUi::ShowProcedureWindow() {
    BringProcedureWindowToTop();
}

} // namespace zf::ui
