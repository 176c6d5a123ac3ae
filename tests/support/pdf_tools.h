#pragma once

// Reading printed PDF files back with poppler-utils (pdftotext, pdftoppm).

#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace zf::test {

// The text of every page as pdftotext reads it, each page ended by a form
// feed; "" when it cannot.
inline std::string PdfText(const std::string& path) {
    const std::string command = "pdftotext -layout '" + path + "' - 2>/dev/null";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return {};
    std::string text;
    char chunk[512];
    while (std::size_t n = std::fread(chunk, 1, sizeof chunk, pipe))
        text.append(chunk, n);
    pclose(pipe);
    return text;
}

// The number of pages, or 0 when the file cannot be read.
inline int PdfPageCount(const std::string& path) {
    const std::string text = PdfText(path);
    return static_cast<int>(std::count(text.begin(), text.end(), '\f'));
}

// Page `page` (from 1) rasterised by pdftoppm at `dpi`; null when it fails.
inline QImage PdfPageImage(const std::string& path, int page, int dpi) {
    const std::string stem = path + ".page";
    const std::string command = "pdftoppm -r " + std::to_string(dpi) + " -f " +
                                std::to_string(page) + " -l " + std::to_string(page) +
                                " -singlefile -png '" + path + "' '" + stem + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0)
        return {};
    QImage image(QString::fromStdString(stem + ".png"));
    std::filesystem::remove(stem + ".png");
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace zf::test
