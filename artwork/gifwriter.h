#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

// A picture reduced to at most 256 colours, ready for a GIF file.
struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<QRgb> palette;    // opaque colours, never more than 256
    std::vector<uint8_t> indices; // one per pixel, row by row
};

// Reduces an opaque picture to at most maxColours colours without dithering.
// Pictures that already have few enough colours keep every colour exactly;
// otherwise the most frequent colours (the flat areas) stay exact and the
// rest (antialiased edges) share colours chosen by a variance-based median
// cut. The result depends only on the pixels, so the output is reproducible.
IndexedPicture quantize(const QImage& image, int maxColours = 256);

// Writes the picture as a single-frame GIF. Returns false and fills *error
// when the file cannot be written.
bool writeGif(const QString& path, const QImage& image, QString* error = nullptr);
