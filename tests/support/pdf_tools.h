#pragma once

// Reading printed PDF files back with poppler-utils (pdfinfo, pdftotext, pdftoppm).

#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace zf::test {

// The number of pages pdfinfo finds, or -1 when it cannot read the file.
inline int PdfPageCount(const std::string& path) {
    const std::string command = "pdfinfo '" + path + "' 2>/dev/null";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    int pages = -1;
    char line[512];
    while (std::fgets(line, sizeof line, pipe))
        if (std::sscanf(line, "Pages: %d", &pages) == 1)
            break;
    pclose(pipe);
    return pages;
}

// The text of every page as pdftotext reads it; "" when it cannot.
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
