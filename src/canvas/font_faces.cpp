#include "canvas/font_faces.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace kelvra::canvas {

namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

constexpr std::array<std::pair<std::string_view, std::string_view>, 10> kFaces = {{
    {"arial", "Liberation Sans"},
    {"helvetica", "Liberation Sans"},
    {"ms sans serif", "Liberation Sans"},
    {"times new roman", "Liberation Serif"},
    {"times", "Liberation Serif"},
    {"courier", "Liberation Mono"},
    {"courier new", "Liberation Mono"},
    {"wingdings", "DejaVu Sans"},
    {"symbol", "DejaVu Sans"},
    {"fixedsys", "Liberation Mono"},
}};

}  // namespace

QString SubstituteFace(std::string_view face) {
  const std::string key = Lower(face);
  for (const auto& [name, installed] : kFaces) {
    if (key == name) return QString::fromUtf8(installed.data(), static_cast<int>(installed.size()));
  }
  return QString::fromUtf8(face.data(), static_cast<int>(face.size()));
}

bool IsSymbolFace(std::string_view face) { return Lower(face) == "wingdings"; }

QString WingdingsToUnicode(std::string_view text) {
  const QString in = QString::fromUtf8(text.data(), static_cast<int>(text.size()));
  QString out;
  out.reserve(in.size());
  for (const QChar ch : in) {
    const char16_t c = ch.unicode();
    char32_t mapped = c;
    if (c >= 0x5E && c <= 0x69) {
      mapped = 0x2648 + (c - 0x5E);  // Aries .. Pisces
    } else {
      switch (c) {
        case 0x6C: mapped = 0x25CF; break;  // black circle
        case 0x6D: mapped = 0x274D; break;  // shadowed white circle
        case 0x6E: mapped = 0x25A0; break;  // black square
        case 0x6F: mapped = 0x25A1; break;  // white square
        case 0x75: mapped = 0x25C6; break;  // black diamond
        case 0x77: mapped = 0x2B25; break;  // black medium diamond
        case 0xA1: mapped = 0x25CB; break;  // white circle
        case 0xA2: mapped = 0x2B58; break;  // heavy circle
        case 0xA4: mapped = 0x2609; break;  // sun (circled dot)
        case 0xAB: mapped = 0x2605; break;  // black star
        case 0xE0: mapped = 0x2192; break;  // arrows
        case 0xDF: mapped = 0x2190; break;
        case 0xE1: mapped = 0x2191; break;
        case 0xE2: mapped = 0x2193; break;
        default: break;
      }
    }
    out += QString::fromUcs4(&mapped, 1);
  }
  return out;
}

QString TextForFace(std::string_view face, std::string_view text) {
  if (IsSymbolFace(face)) return WingdingsToUnicode(text);
  return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QFont QtFont(const output::Font& font, int pixel_height) {
  QFont f(SubstituteFace(font.face));
  f.setPixelSize(std::max(1, pixel_height));
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setStyleHint(QFont::AnyStyle, QFont::PreferOutline);
  if (Lower(font.face).find("courier") != std::string::npos) f.setFixedPitch(true);
  return f;
}

}  // namespace kelvra::canvas
