// JPEG through libjpeg: decoding the program's pictures and encoding exported
// drawings. Both work in memory; the callers read and write the files.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include <QImage>

namespace kelvra::canvas {

// Largest picture the decoder accepts (width × height); bigger files are
// refused instead of allocating gigabytes.
inline constexpr long long kMaxJpegPixels = 100'000'000;

// Decodes a JPEG (baseline or progressive; grey, YCbCr, CMYK or YCCK) into an
// image of Format_RGB32. On failure returns a null image and, when `error` is
// given, libjpeg's message. A file cut short decodes with its missing part
// grey, as libjpeg does.
QImage DecodeJpeg(const unsigned char* data, std::size_t size, std::string* error = nullptr);
QImage DecodeJpeg(const std::vector<unsigned char>& data, std::string* error = nullptr);

// Encodes `image` (any format; alpha is dropped onto white) as a baseline JPEG
// of quality 1..100. Returns false and the message on failure.
bool EncodeJpeg(const QImage& image, int quality, std::vector<unsigned char>* out,
                std::string* error = nullptr);

}  // namespace kelvra::canvas
