// The Options menu and what the options file and a project set: listing
// size, speed, sound, tooltips, the com port and high contrast, with the
// menu's marks.

#include "desktop/shell/main_window.h"

#include "desktop/help/help_commands.h"
#include "desktop/help/tooltips.h"
#include "desktop/listing/go_container.h"
#include "desktop/listing/list_view.h"
#include "desktop/listing/procedure_pane.h"
#include "desktop/shell/high_contrast.h"
#include "desktop/shell/projector_mode.h"
#include "desktop/shell/raz_azi.h"
#include "desktop/workarea/graphics_drawing.h"
#include "desktop/workarea/graphics_main.h"
#include "files/ini_file.h"
#include "files/options_file.h"
#include "files/paths.h"
#include "link/serial_port.h"
#include "render/contrast_look.h"

#include <QAction>

namespace zf::ui {

bool MainWindow::OptionCommand(int id) {
    if (id >= command::ListingSizeFirst && id <= command::ListingSizeLast) {
        SetListingSize(id - command::ListingSizeFirst);
        RememberOption("listing", "size", doc_.options.listingSize);
        return true;
    }
    switch (id) {
    case command::SpeedVerySlow:
    case command::SpeedSlow:
    case command::SpeedMedium:
    case command::SpeedFast:
    case command::SpeedInstant:
        SetSpeed(id == command::SpeedVerySlow || id == command::SpeedSlow ? 0
                 : id == command::SpeedMedium                             ? 1
                 : id == command::SpeedFast                               ? 2
                                                                          : 3,
                 id == command::SpeedVerySlow);
        // Very Slow is kept as Slow plus a key of its own, so that older
        // readers of the file still find a speed they know.
        EditOptionsFile([this](IniFile& ini) {
            ini.SetString("zarnik", "speed", std::to_string(doc_.options.speed));
            ini.SetString("zarnik", "veryslow", doc_.options.verySlow ? "1" : "0");
        });
        return true;
    case command::Sound:
        SetSound(!doc_.options.sound);
        RememberOption("sound", "keypad", doc_.options.sound ? 1 : 0);
        return true;
    case command::Tooltips:
        SetTooltips(!doc_.options.tooltips);
        RememberOption("tooltips", "show", doc_.options.tooltips ? 1 : 0);
        return true;
    case command::HighContrast:
        SetHighContrast(!CurrentLook().highContrast);
        RememberOption("view", "contrast", CurrentLook().highContrast ? 1 : 0);
        return true;
    case command::ComPort1:
    case command::ComPort2:
    case command::ComPort3:
    case command::ComPort4:
        SetComPort(id == command::ComPort1   ? 0
                   : id == command::ComPort2 ? 1
                   : id == command::ComPort3 ? 2
                                             : 3);
        return true;
    default:
        return false;
    }
}

void MainWindow::ApplyProjectOptions(const ProjectOptions& o) {
    if (o.listingSize >= 1 && o.listingSize <= 10)
        SetListingSize(o.listingSize - 1);
    SetTooltips(o.tooltips != 0);
    SetSound(o.sound != 0);
    if (o.speed >= 1 && o.speed <= 3)
        SetSpeed(o.speed - 1);
}

void MainWindow::ReadOptions() {
    const std::string path = iniPath_.empty() ? OptionsFilePath(doc_.project) : iniPath_;
    IniFile ini = IniFile::Load(path);
    bool repaired = false;
    auto value = [&](const char* section, const char* key, long fallback, long low, long high,
                     long badValue, const char* writeBack) {
        long v = ini.GetInt(section, key, fallback);
        if (v < low || v > high) {
            if (writeBack) {
                ini.SetString(section, key, writeBack);
                repaired = true;
            }
            v = badValue;
        }
        return v;
    };
    // Browse is offered unless the file turns it off: Save Go Program saves
    // anywhere, so Open must reach anywhere too.
    doc_.options.goBrowse = ini.GetInt("options", "gobrowse", 1) != 0;
    SetListingSize(static_cast<int>(value("listing", "size", 6, 1, 10, 6, nullptr)) - 1);
    const TooltipOptions tips = ReadTooltipOptions(ini, repaired);
    help_->tooltips()->SetDelay(tips.delay);
    SetTooltips(tips.show);
    SetSound(value("sound", "keypad", 0, 0, 1, 0, "0") != 0);
    SetComPort(static_cast<int>(value("com port", "com", 1, 1, 2, 1, "1")) - 1);
    SetSpeed(static_cast<int>(value("zarnik", "speed", 2, 1, 4, 2, "2")) - 1,
             ini.GetInt("zarnik", "veryslow", 0) != 0);
    const int x = static_cast<int>(value("floor size", "x", 10, 1, 99, 10, "10"));
    const int y = static_cast<int>(value("floor size", "y", 10, 1, 99, 10, "10"));
    doc_.state.floorWidth = x * kStepMm;
    doc_.state.floorHeight = y * kStepMm;
    goContainer()->lists()->SetPlace(ReadListsPlace(ini));
    if (ini.GetInt("rulers", "show", 0) != 0)
        razAzi_->graphicsMain()->ToggleRulers();
    projector_->SetZoomPercent(static_cast<int>(ini.GetInt("view", "zoom", 100)));
    SetHighContrast(ini.GetInt("view", "contrast", 0) == 1);
    doc_.link.ReadDevices(ini);
    if (repaired) {
        if (iniPath_.empty())
            SaveOptionsFile(doc_.project, ini);
        else
            ini.Save(path);
    }
}

void MainWindow::SetListingSize(int index) {
    doc_.options.listingSize = index + 1;
    for (int i = 0; i < 10; ++i)
        if (QAction* a = Action(command::ListingSizeFirst + i))
            a->setChecked(i == index);
    const int size = doc_.options.IconSize();
    goContainer()->goList()->SetIconSize(size);
    procList_->SetIconSize(size);
}

void MainWindow::SetSpeed(int index, bool verySlow) {
    doc_.options.speed = index + 1;
    doc_.options.verySlow = verySlow && index == 0;
    const int ids[] = {command::SpeedVerySlow, command::SpeedSlow, command::SpeedMedium,
                       command::SpeedFast, command::SpeedInstant};
    const int marked = doc_.options.verySlow ? 0 : index + 1;
    for (int i = 0; i < 5; ++i)
        if (QAction* a = Action(ids[i]))
            a->setChecked(i == marked);
    doc_.state.moveDelay = doc_.options.verySlow ? kVerySlowMoveDelay : MoveDelayForSpeed(index);
    drawing()->SetInstant(index == 3);
}

void MainWindow::SetSound(bool on) {
    doc_.options.sound = on;
    doc_.ui.sound = on;
    drawing()->SetSound(on);
    if (QAction* a = Action(command::Sound))
        a->setChecked(on);
}

void MainWindow::SetTooltips(bool on) {
    doc_.options.tooltips = on;
    if (QAction* a = Action(command::Tooltips))
        a->setChecked(on);
    help_->tooltips()->SetOption(on);
}

void MainWindow::SetHighContrast(bool on) {
    ui::SetHighContrast(on);
    if (QAction* a = Action(command::HighContrast))
        a->setChecked(on);
}

void MainWindow::SetComPort(int index) {
    const int ids[] = {command::ComPort1, command::ComPort2, command::ComPort3, command::ComPort4};
    for (int i = 0; i < 4; ++i)
        if (QAction* a = Action(ids[i]))
            a->setChecked(i == index);
    doc_.options.comPort = index >= 1 && index <= 3 ? index + 1 : 1;
    doc_.link.SelectPort(doc_.options.comPort);
}

void MainWindow::SaveLayout() {
    const std::string path = iniPath_.empty() ? OptionsFilePath(doc_.project) : iniPath_;
    IniFile ini = IniFile::Load(path);
    const ListsPane::Place place = goContainer()->lists()->place();
    if (ReadListsPlace(ini) == place)
        return;
    WriteListsPlace(ini, place);
    if (iniPath_.empty())
        SaveOptionsFile(doc_.project, ini);
    else
        ini.Save(path);
}

} // namespace zf::ui
