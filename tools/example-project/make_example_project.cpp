// Writes the example project's 2.0 project file into a copy of the example
// folder. It names no folder, so the folder opens the same wherever it is
// copied or installed, and no Go Program: the lesson starts empty.
//   make-example-project FOLDER

#include "files/file_io.h"
#include "files/project_file.h"
#include "program/printing_ui.h"
#include "program/string_table.h"

#include <cstdio>
#include <filesystem>

namespace {

void AddText(zf::ProjectScene& scene, const char* text, int x, int y, std::uint32_t colour) {
    zf::NameTables& tables = scene.objects.tables();
    zf::TextObjectRecord record = zf::DefaultTextObject(tables);
    record.textId = tables.texts.Add(text);
    record.placement = 2;
    record.x = x;
    record.y = y;
    record.colour = colour;
    const auto bytes = record.ToBytes();
    const std::uint32_t index = tables.textObjects.Add(bytes.data());
    scene.objects.CreateGraphicObject("", zf::objectkind::Text, x, y,
                                      static_cast<std::int32_t>(index), 2, 0, 0);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-example-project FOLDER\n");
        return 2;
    }
    std::error_code error;
    const std::string folder = std::filesystem::absolute(argv[1], error).string() + "/";
    zf::PrintingUi ui;
    zf::NameTables tables;
    zf::GoEditor editor(ui, tables);
    zf::ZarnikState state;
    zf::PenTrail trail;
    zf::GraphicObjectList objects{tables};
    zf::ProjectHost host;
    zf::Project project;
    zf::ProjectScene scene{state, trail, objects, editor, host, project};

    // The town's roads run 450, 1350 and 2250 mm from the edges.
    zf::SetFloorSize(scene, 10, 10);
    zf::SetBackground(scene, "town.bmp");
    zf::SetZarnikShape(scene, "zarncar.bmp");
    zf::SetZarnikPosition(scene, 450, 2250);
    zf::SetZarnikHeading(scene, 90);
    // The route from Start to Finish is the children's to key: the project
    // opens with an empty Go Program, and town.gop beside it is one answer.
    for (auto [name, x, y] : {std::tuple{"tree.bmp", 900, 900},
                              {"tree.bmp", 2700, 2700},
                              {"flag.bmp", 2250, 450},
                              {"flower.bmp", 1800, 2700},
                              {"house.bmp", 900, 2700}})
        objects.CreateGraphicObject(name, zf::objectkind::Stamp, x, y, 0, 0, 0, 0);
    AddText(scene, "Start", 450, 2550, 0x000000);
    AddText(scene, "Finish", 2250, 150, 0x0000CC);

    zf::ProjectData data = zf::CaptureProject(scene, "");
    data.goProgram.clear();
    const std::vector<std::uint8_t> file = zf::WriteProjectV2(data);
    if (!zf::WriteFileAtomically(folder + "town.zfp", file)) {
        std::fprintf(stderr, "make-example-project: cannot write %stown.zfp\n", folder.c_str());
        return 1;
    }
    return 0;
}
