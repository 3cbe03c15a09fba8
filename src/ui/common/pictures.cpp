#include "ui/common/pictures.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <cmath>
#include <iterator>

#include "shell/resources.h"

#ifdef KELVRA_HAVE_CANVAS
#include "canvas/jpeg_codec.h"
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

// Caption numbers are the family names of the picture strip (T1480..).
const std::vector<FamilyPicture>& FamilyPictures() {
  static const std::vector<FamilyPicture> pictures = {
      {"dial_h.jpg", 1480}, {"dial_v.jpg", 1481}, {"dial_i.jpg", 1482},
      {"dial_s.jpg", 1483}, {"dial_z.jpg", 1484}, {"dial_a.jpg", 1485},
      {"dial_q.jpg", 1486}, {"dial_k.jpg", 1487}, {"dial_r.jpg", 1488},
      {"dial_f.jpg", 1489},
  };
  return pictures;
}

const std::vector<GalleryEntry>& GalleryPictures() {
  static const std::vector<GalleryEntry> pictures = [] {
    std::vector<GalleryEntry> list;
    // The slide show: Kelvra's own dials for many sites and walls; the
    // caption names the kind of each.
    static const int kinds[] = {1481, 1480, 1481, 1482, 1481, 1480, 1481, 1482, 1481, 1480,
                                1481, 1481, 1482, 1480, 1481, 1481, 1480, 1482, 1481, 1480,
                                1481, 1482, 1481, 1480, 1481, 1481,
                                1484, 1487,   // the shepherd's dial, the horizontal altitude dial
                                1485, 1489,   // an azimuthal dial, the classical bifilar dial
                                1486};        // Gunter's quadrant
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
    case 3004:
    case 3010:
    case 3011: return "dial_q.jpg";
    case 3005:
    case 3012:
    case 3013: return "dial_z.jpg";
    case 3006: return "dial_k.jpg";
    case 3007: return "dial_r.jpg";
    case 3020: return "dial_p.jpg";
    default: return {};
  }
}

}  // namespace kelvra::ui
