#pragma once
// Checking printed pages with the poppler tools (pdfinfo, pdftotext, pdftoppm), and
// counting the pixels of a colour in a picture.

#include <QImage>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace lyrasta::pdf_check {

// What a shell command prints on standard output.
inline std::string CommandOutput(const std::string& command) {
    std::unique_ptr<FILE, decltype(&pclose)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    std::array<char, 4096> buf;
    while (pipe && fgets(buf.data(), buf.size(), pipe.get())) out += buf.data();
    return out;
}

inline std::string Info(const std::filesystem::path& pdf) { return CommandOutput("pdfinfo '" + pdf.string() + "'"); }

inline int Pages(const std::filesystem::path& pdf) {
    const std::string info = Info(pdf);
    const size_t at = info.find("Pages:");
    return at == std::string::npos ? 0 : std::atoi(info.c_str() + at + 6);
}

// The text of one page (1-based), UTF-8.
inline std::string Text(const std::filesystem::path& pdf, int page) {
    const std::string p = std::to_string(page);
    return CommandOutput("pdftotext -f " + p + " -l " + p + " '" + pdf.string() + "' -");
}

// One page drawn at 40 pixels per inch, beside the PDF.
inline QImage Picture(const std::filesystem::path& pdf, int page) {
    const std::filesystem::path png = pdf.parent_path() / (pdf.stem().string() + "-page");
    CommandOutput("pdftoppm -r 40 -singlefile -png -f " + std::to_string(page) + " '" + pdf.string() + "' '" +
                  png.string() + "'");
    return QImage(QString::fromStdString(png.string() + ".png"));
}

inline int CountPixels(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    return n;
}

}  // namespace lyrasta::pdf_check
