#pragma once

namespace zf::ui {

// The ids of the menu and accelerator commands. The help and the tests know
// the commands by these numbers, so they never change.
namespace command {
enum : int {
    Exit = 40006,
    CopyWorkingArea = 40009,
    SendGoProgram = 40018,
    ZarnikHelp = 40024,
    UserGuideHelp = 40025,
    OpenProject = 40185,
    SpeedSlow = 40186,
    Sound = 40187,
    Tooltips = 40188,
    GetGoProgram = 40191,
    OpenGoProgram = 40192,
    // Options > Listing Size, its ten sizes in order.
    ListingSizeFirst = 40194,
    ListingSizeLast = 40203,
    PrintWorkingArea = 40210,
    PrintGoProgram = 40211,
    DefaultLayout = 40214,
    ShowProcedure = 40215,
    ComPort1 = 40228,
    ComPort2 = 40229,
    RoutesHelp = 40230,
    JourneysHelp = 40231,
    About = 40232,
    SpeedMedium = 40233,
    SpeedFast = 40234,
    SaveProject = 40238,
    SaveGoProgram = 40239,
    // No menu item: the project counts as saved.
    ProjectSaved = 40241,
    SaveWorkingArea = 40243,
    // F5, no menu item.
    Repaint = 40244,
    OpenActivity = 40247,
    ComPort3 = 40300,
    ComPort4 = 40301,
    // The line that says the interface lead is needed; it does nothing.
    InterfaceLeadNote = 40302,

    // Commands with no number of old.
    NewGoProgram = 40401,
    SaveGoProgramToItsName = 40402,
    Undo = 40403,
    Redo = 40404,
    SpeedInstant = 40405,
    ClearMemoryKey = 40406,
    SpeedVerySlow = 40409,
    // File > Recent Files, newest first.
    RecentFirst = 40410,
    // Options > High Contrast.
    HighContrast = 40420,
    // File > Open Lesson and Save Lesson As: a project with its pictures in one file.
    OpenLesson = 40430,
    SaveLesson = 40431,
};
} // namespace command

} // namespace zf::ui
