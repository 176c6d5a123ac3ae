#include "program/scene.h"

#include <utility>

namespace zf {

void Scene::Fill(double x, double y, double w, double h, SceneColour colour) {
    SceneOp op;
    op.kind = SceneOpKind::Fill;
    op.x = x;
    op.y = y;
    op.w = w;
    op.h = h;
    op.colour = colour;
    ops.push_back(std::move(op));
}

void Scene::Line(double x1, double y1, double x2, double y2, SceneColour colour, double penWidth,
                 ScenePenEnds ends) {
    SceneOp op;
    op.kind = SceneOpKind::Line;
    op.x = x1;
    op.y = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.colour = colour;
    op.width = penWidth;
    op.ends = ends;
    ops.push_back(std::move(op));
}

void Scene::Text(double x, double top, double baseline, std::string utf8, const SceneFont& font,
                 SceneColour colour) {
    SceneOp op;
    op.kind = SceneOpKind::Text;
    op.x = x;
    op.y = top;
    op.baseline = baseline;
    op.text = std::move(utf8);
    op.font = font;
    op.colour = colour;
    ops.push_back(std::move(op));
}

void Scene::Image(std::string source, int x, int y, int w, int h, bool flipX, bool keyed) {
    SceneOp op;
    op.kind = SceneOpKind::Image;
    op.text = std::move(source);
    op.x = x;
    op.y = y;
    op.w = w;
    op.h = h;
    op.flipX = flipX;
    op.keyed = keyed;
    ops.push_back(std::move(op));
}

std::string Latin1ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

} // namespace zf
