// Found ahead of Qt's own copy by the rendering library only: every Qt
// Widgets header reaches this file, so using widgets here fails to compile.
#error "The rendering library runs headless and must not use Qt Widgets"
