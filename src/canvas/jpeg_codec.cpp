#include "canvas/jpeg_codec.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QPainter>

#include <jerror.h>
#include <jpeglib.h>

namespace kelvra::canvas {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return. We
// jump back to the setjmp in the calling function; nothing with a destructor
// lives between the setjmp and the libjpeg calls that may jump.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr cinfo) {
  auto* mgr = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, mgr->message);
  std::longjmp(mgr->jump, 1);
}

void SilentOutput(j_common_ptr) {}  // warnings are not printed on stderr

inline unsigned char Clamp255(int v) { return static_cast<unsigned char>(std::clamp(v, 0, 255)); }

// The decoding itself; returns false with mgr->message set on error. `image`
// is allocated by the caller once the header is known (through `allocate`).
bool DecodeInto(jpeg_decompress_struct* cinfo, ErrorManager* mgr, const unsigned char* data,
                std::size_t size, QImage* image, std::vector<unsigned char>* row) {
  if (setjmp(mgr->jump)) return false;
  jpeg_create_decompress(cinfo);
  jpeg_mem_src(cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(cinfo, TRUE);
  const bool cmyk = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
  cinfo->out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
  jpeg_calc_output_dimensions(cinfo);
  const long long pixels =
      static_cast<long long>(cinfo->output_width) * static_cast<long long>(cinfo->output_height);
  if (cinfo->output_width == 0 || cinfo->output_height == 0 || pixels > kMaxJpegPixels) {
    std::snprintf(mgr->message, sizeof mgr->message, "picture too large: %u x %u",
                  cinfo->output_width, cinfo->output_height);
    return false;
  }
  *image = QImage(static_cast<int>(cinfo->output_width), static_cast<int>(cinfo->output_height),
                  QImage::Format_RGB32);
  if (image->isNull()) {
    std::snprintf(mgr->message, sizeof mgr->message, "out of memory");
    return false;
  }
  if (cmyk) row->resize(static_cast<std::size_t>(cinfo->output_width) * 4);
  jpeg_start_decompress(cinfo);
  while (cinfo->output_scanline < cinfo->output_height) {
    const int y = static_cast<int>(cinfo->output_scanline);
    if (!cmyk) {
      JSAMPROW line = image->scanLine(y);
      jpeg_read_scanlines(cinfo, &line, 1);
      continue;
    }
    JSAMPROW line = row->data();
    jpeg_read_scanlines(cinfo, &line, 1);
    auto* out = reinterpret_cast<QRgb*>(image->scanLine(y));
    // Adobe writes CMYK inverted: the stored values are 255 - ink.
    const bool inverted = cinfo->saw_Adobe_marker;
    for (unsigned x = 0; x < cinfo->output_width; ++x) {
      int c = line[4 * x], m = line[4 * x + 1], yy = line[4 * x + 2], k = line[4 * x + 3];
      if (!inverted) {
        c = 255 - c;
        m = 255 - m;
        yy = 255 - yy;
        k = 255 - k;
      }
      out[x] = qRgb(Clamp255(c * k / 255), Clamp255(m * k / 255), Clamp255(yy * k / 255));
    }
  }
  jpeg_finish_decompress(cinfo);
  return true;
}

bool EncodeFrom(jpeg_compress_struct* cinfo, ErrorManager* mgr, const QImage& rgb, int quality,
                unsigned char** buffer, unsigned long* length) {
  if (setjmp(mgr->jump)) return false;
  jpeg_create_compress(cinfo);
  jpeg_mem_dest(cinfo, buffer, length);
  cinfo->image_width = static_cast<JDIMENSION>(rgb.width());
  cinfo->image_height = static_cast<JDIMENSION>(rgb.height());
  cinfo->input_components = 4;
  cinfo->in_color_space = JCS_EXT_BGRX;
  jpeg_set_defaults(cinfo);
  jpeg_set_quality(cinfo, std::clamp(quality, 1, 100), TRUE);
  cinfo->density_unit = 1;  // dots per inch
  cinfo->X_density = 96;
  cinfo->Y_density = 96;
  jpeg_start_compress(cinfo, TRUE);
  while (cinfo->next_scanline < cinfo->image_height) {
    JSAMPROW line = const_cast<uchar*>(rgb.constScanLine(static_cast<int>(cinfo->next_scanline)));
    jpeg_write_scanlines(cinfo, &line, 1);
  }
  jpeg_finish_compress(cinfo);
  return true;
}

}  // namespace

QImage DecodeJpeg(const unsigned char* data, std::size_t size, std::string* error) {
  if (data == nullptr || size < 4) {
    if (error) *error = "not a JPEG file";
    return {};
  }
  jpeg_decompress_struct cinfo{};
  ErrorManager mgr{};
  cinfo.err = jpeg_std_error(&mgr.pub);
  mgr.pub.error_exit = ErrorExit;
  mgr.pub.output_message = SilentOutput;
  QImage image;
  std::vector<unsigned char> row;
  const bool ok = DecodeInto(&cinfo, &mgr, data, size, &image, &row);
  jpeg_destroy_decompress(&cinfo);
  if (!ok) {
    if (error) *error = mgr.message;
    return {};
  }
  return image;
}

QImage DecodeJpeg(const std::vector<unsigned char>& data, std::string* error) {
  return DecodeJpeg(data.data(), data.size(), error);
}

bool EncodeJpeg(const QImage& image, int quality, std::vector<unsigned char>* out,
                std::string* error) {
  if (image.isNull()) {
    if (error) *error = "empty picture";
    return false;
  }
  QImage rgb;
  if (image.hasAlphaChannel()) {
    rgb = QImage(image.size(), QImage::Format_RGB32);
    rgb.fill(Qt::white);
    QPainter p(&rgb);
    p.drawImage(0, 0, image);
  } else {
    rgb = image.convertToFormat(QImage::Format_RGB32);
  }
  jpeg_compress_struct cinfo{};
  ErrorManager mgr{};
  cinfo.err = jpeg_std_error(&mgr.pub);
  mgr.pub.error_exit = ErrorExit;
  mgr.pub.output_message = SilentOutput;
  unsigned char* buffer = nullptr;
  unsigned long length = 0;
  const bool ok = EncodeFrom(&cinfo, &mgr, rgb, quality, &buffer, &length);
  jpeg_destroy_compress(&cinfo);
  if (ok) out->assign(buffer, buffer + length);
  std::free(buffer);
  if (!ok && error) *error = mgr.message;
  return ok;
}

}  // namespace kelvra::canvas
