#include "gifwriter.h"

#include <QFile>

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <limits>
#include <unordered_map>

namespace {

struct ColourCount {
    QRgb colour;
    uint64_t count;
};

int channel(QRgb c, int which) {
    return which == 0 ? qRed(c) : which == 1 ? qGreen(c) : qBlue(c);
}

// One box of the median cut: a run of the colour table with its spread.
struct Box {
    size_t begin;
    size_t end;
    double error; // weighted squared distance from the box's mean
};

std::array<double, 3> meanOf(const std::vector<ColourCount>& colours, size_t begin, size_t end) {
    std::array<double, 3> sum{0, 0, 0};
    double weight = 0;
    for (size_t i = begin; i < end; ++i) {
        for (int ch = 0; ch < 3; ++ch)
            sum[ch] += double(channel(colours[i].colour, ch)) * double(colours[i].count);
        weight += double(colours[i].count);
    }
    for (double& s : sum)
        s /= weight;
    return sum;
}

Box makeBox(const std::vector<ColourCount>& colours, size_t begin, size_t end) {
    const auto mean = meanOf(colours, begin, end);
    double error = 0;
    for (size_t i = begin; i < end; ++i) {
        for (int ch = 0; ch < 3; ++ch) {
            const double d = channel(colours[i].colour, ch) - mean[ch];
            error += d * d * double(colours[i].count);
        }
    }
    return {begin, end, error};
}

// Splits the box along its widest channel at the weighted median.
std::pair<Box, Box> split(std::vector<ColourCount>& colours, const Box& box) {
    int widest = 0;
    int widestRange = -1;
    for (int ch = 0; ch < 3; ++ch) {
        int lo = 255, hi = 0;
        for (size_t i = box.begin; i < box.end; ++i) {
            lo = std::min(lo, channel(colours[i].colour, ch));
            hi = std::max(hi, channel(colours[i].colour, ch));
        }
        if (hi - lo > widestRange) {
            widestRange = hi - lo;
            widest = ch;
        }
    }
    std::sort(colours.begin() + long(box.begin), colours.begin() + long(box.end),
              [widest](const ColourCount& a, const ColourCount& b) {
                  const int ca = channel(a.colour, widest), cb = channel(b.colour, widest);
                  return ca != cb ? ca < cb : a.colour < b.colour;
              });
    uint64_t total = 0;
    for (size_t i = box.begin; i < box.end; ++i)
        total += colours[i].count;
    uint64_t running = 0;
    size_t cut = box.begin + 1;
    for (size_t i = box.begin; i + 1 < box.end; ++i) {
        running += colours[i].count;
        cut = i + 1;
        if (running * 2 >= total)
            break;
    }
    return {makeBox(colours, box.begin, cut), makeBox(colours, cut, box.end)};
}

int distance(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    // Green weighs most for the eye; the weights keep the sum in int range.
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

} // namespace

IndexedPicture quantize(const QImage& source, int maxColours) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    IndexedPicture out;
    out.width = image.width();
    out.height = image.height();

    std::unordered_map<QRgb, uint64_t> histogram;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++histogram[row[x] | 0xff000000u];
    }
    std::vector<ColourCount> colours;
    colours.reserve(histogram.size());
    for (const auto& [colour, count] : histogram)
        colours.push_back({colour, count});
    // Most frequent first; equal counts by colour value, so the order is fixed.
    std::sort(colours.begin(), colours.end(), [](const ColourCount& a, const ColourCount& b) {
        return a.count != b.count ? a.count > b.count : a.colour < b.colour;
    });

    if (int(colours.size()) <= maxColours) {
        for (const auto& c : colours)
            out.palette.push_back(c.colour);
    } else {
        // Colours covering at least 0.2 % of the picture are flat areas: keep
        // them exact, but leave at least half of the table for the rest.
        const uint64_t flat = std::max<uint64_t>(2, uint64_t(out.width) * out.height / 500);
        size_t exact = 0;
        while (exact < colours.size() && int(exact) < maxColours / 2 &&
               colours[exact].count >= flat)
            ++exact;
        for (size_t i = 0; i < exact; ++i)
            out.palette.push_back(colours[i].colour);

        std::vector<ColourCount> rest(colours.begin() + long(exact), colours.end());
        std::vector<Box> boxes{makeBox(rest, 0, rest.size())};
        const size_t wanted = size_t(maxColours) - exact;
        while (boxes.size() < wanted) {
            size_t worst = boxes.size();
            for (size_t i = 0; i < boxes.size(); ++i) {
                if (boxes[i].end - boxes[i].begin < 2)
                    continue;
                if (worst == boxes.size() || boxes[i].error > boxes[worst].error)
                    worst = i;
            }
            if (worst == boxes.size())
                break;
            auto [a, b] = split(rest, boxes[worst]);
            boxes[worst] = a;
            boxes.push_back(b);
        }
        for (const Box& box : boxes) {
            const auto mean = meanOf(rest, box.begin, box.end);
            out.palette.push_back(qRgb(int(mean[0] + 0.5), int(mean[1] + 0.5), int(mean[2] + 0.5)));
        }
    }

    std::unordered_map<QRgb, uint8_t> lookup;
    lookup.reserve(colours.size());
    for (const auto& c : colours) {
        int best = 0;
        int bestDistance = std::numeric_limits<int>::max();
        for (size_t i = 0; i < out.palette.size(); ++i) {
            const int d = distance(c.colour, out.palette[i]);
            if (d < bestDistance) {
                bestDistance = d;
                best = int(i);
            }
        }
        lookup[c.colour] = uint8_t(best);
    }
    out.indices.resize(size_t(out.width) * size_t(out.height));
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            out.indices[size_t(y) * size_t(out.width) + size_t(x)] = lookup[row[x] | 0xff000000u];
    }
    return out;
}

bool writeGif(const QString& path, const QImage& image, QString* error) {
    const IndexedPicture picture = quantize(image);
    auto fail = [error](const QString& what, int code) {
        if (error)
            *error = what + QStringLiteral(": ") + QString::fromUtf8(GifErrorString(code));
        return false;
    };

    // The colour table of a GIF has a power-of-two size of at least two.
    int bits = 1;
    while ((1 << bits) < int(picture.palette.size()))
        ++bits;
    std::vector<GifColorType> table(size_t(1) << bits, GifColorType{0, 0, 0});
    for (size_t i = 0; i < picture.palette.size(); ++i) {
        table[i].Red = GifByteType(qRed(picture.palette[i]));
        table[i].Green = GifByteType(qGreen(picture.palette[i]));
        table[i].Blue = GifByteType(qBlue(picture.palette[i]));
    }

    int code = 0;
    GifFileType* gif = EGifOpenFileName(path.toLocal8Bit().constData(), false, &code);
    if (!gif)
        return fail(path, code);
    ColorMapObject* map = GifMakeMapObject(int(table.size()), table.data());
    bool ok = map && EGifPutScreenDesc(gif, picture.width, picture.height, bits, 0, map) == GIF_OK;
    ok = ok && EGifPutImageDesc(gif, 0, 0, picture.width, picture.height, false, nullptr) == GIF_OK;
    std::vector<GifPixelType> line(size_t(picture.width));
    for (int y = 0; ok && y < picture.height; ++y) {
        std::copy_n(picture.indices.begin() + long(y) * picture.width, picture.width, line.begin());
        ok = EGifPutLine(gif, line.data(), picture.width) == GIF_OK;
    }
    const int writeError = gif->Error;
    GifFreeMapObject(map);
    int closeError = 0;
    const bool closed = EGifCloseFile(gif, &closeError) == GIF_OK;
    if (!ok)
        return fail(path, writeError);
    if (!closed)
        return fail(path, closeError);
    // giflib creates new files for its user alone; pictures are for everyone
    // who runs the installed program.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                    QFile::ReadOther);
    return true;
}
