#include "ui/common/pictures.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <cmath>
#include <iterator>

#include "shell/resources.h"

#ifdef KELVRA_HAVE_CANVAS
#include "canvas/jpeg_codec.h"
#include "texts/ui.h"
#endif

namespace kelvra::ui {

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 32.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xc4, 0x30));
    p.drawEllipse(QPointF(16 * s, 16 * s), 13 * s, 13 * s);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), std::max(1.0, 1.6 * s)));
    // Hour lines fanning out from the foot of the style.
    for (int h = -4; h <= 4; ++h) {
      const double a = h * 0.33;
      p.drawLine(QPointF(16 * s, 24 * s), QPointF((16 + 11 * std::sin(a)) * s, (24 - 11 * std::cos(a)) * s));
    }
    p.setPen(QPen(QColor(0xb0, 0x20, 0x20), std::max(1.0, 2.2 * s)));
    p.drawLine(QPointF(16 * s, 24 * s), QPointF(16 * s, 11 * s));
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

QImage DecodeJpeg(const QByteArray& bytes) {
#ifdef KELVRA_HAVE_CANVAS
  // The program's own libjpeg codec.
  return canvas::DecodeJpeg(reinterpret_cast<const unsigned char*>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size()));
#else
  return QImage::fromData(bytes, "JPEG");
#endif
}

QImage BuiltinPicture(const QString& name) {
  const std::string path = "pictures/" + name.toStdString();
  const auto data = shell::FindResource(path);
  if (!data) return {};
  return DecodeJpeg(QByteArray::fromRawData(data->data(), static_cast<int>(data->size())));
}

QImage StartPicture(double draw) {
  QFile own("kelvra.jpg");
  if (own.open(QIODevice::ReadOnly)) {
    QImage image = DecodeJpeg(own.readAll());
    if (!image.isNull()) return image;
  }
  return BuiltinPicture(draw < 0.4 ? "start_1.jpg" : "start_2.jpg");
}

// The captions are the family names of the picture strip.
const std::vector<FamilyPicture>& FamilyPictures() {
  using namespace texts::ui;
  static const std::vector<FamilyPicture> pictures = {
      {"dial_h.jpg", kFamilyHorizontal}, {"dial_v.jpg", kFamilyVertical},
      {"dial_i.jpg", kFamilyInclining},  {"dial_s.jpg", kFamilyUmbrella},
      {"dial_z.jpg", kFamilyShepherd},   {"dial_a.jpg", kFamilyAzimuthal},
      {"dial_q.jpg", kFamilyQuadrant},   {"dial_k.jpg", kFamilyHorizontalAltitude},
      {"dial_r.jpg", kFamilyRing},       {"dial_f.jpg", kFamilyBifilar},
  };
  return pictures;
}

const std::vector<GalleryEntry>& GalleryPictures() {
  static const std::vector<GalleryEntry> pictures = [] {
    std::vector<GalleryEntry> list;
    // The slide show: Kelvra's own dials for many sites and walls; the
    // caption names the kind of each.
    constexpr texts::TextId H = texts::ui::kFamilyHorizontal, V = texts::ui::kFamilyVertical,
                            I = texts::ui::kFamilyInclining;
    // clang-format off
    static const texts::TextId kinds[] = {
        V, H, V, I, V, H, V, I, V, H, V, V, I, H, V, V, H, I, V, H, V, I, V, H, V, V,
        texts::ui::kFamilyShepherd, texts::ui::kFamilyHorizontalAltitude,
        texts::ui::kFamilyAzimuthal, texts::ui::kFamilyBifilar,
        texts::ui::kFamilyQuadrant};  // Gunter's quadrant
    // clang-format on
    for (int i = 0; i < static_cast<int>(std::size(kinds)); ++i) {
      list.push_back({QString("gallery_%1.jpg").arg(i + 1, 2, 10, QChar('0')), kinds[i]});
    }
    return list;
  }();
  return pictures;
}

QString PictureForNumber(int number) {
  switch (number) {
    case 2998: return "dial_h.jpg";
    case 3000: return "dial_v.jpg";
    case 3001: return "dial_s.jpg";
    case 3002: return "dial_s.jpg";
    case 3003:
    case 3009:
    case 3015: return "dial_a.jpg";
    case 3004: return "dial_q.jpg";
    case 3010: return "dial_q1.jpg";
    case 3011: return "dial_q2.jpg";
    case 3005:
    case 3012:
    case 3013: return "dial_z.jpg";
    case 3006: return "dial_k.jpg";
    case 3007: return "dial_r.jpg";
    case 3008: return "dial_m.jpg";
    case 3016: return "dial_c.jpg";
    case 3020: return "dial_p.jpg";
    case 3021: return "dial_w.jpg";
    default: return {};
  }
}

}  // namespace kelvra::ui
