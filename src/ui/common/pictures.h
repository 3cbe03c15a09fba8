// The program's pictures: the start pictures, the dial pictures of the strip,
// the slide show and the dial type dialog, built into the program as JPEG
// files under resources/pictures/.
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>
#include <vector>

#include "texts/text_id.h"

namespace kelvra::ui {

// The program's icon: a small sundial drawn at run time.
QIcon ProgramIcon();

// Decodes a JPEG file held in memory; a null image when it is not one.
QImage DecodeJpeg(const QByteArray& bytes);

// The built-in picture resources/pictures/<name>; a null image when missing.
QImage BuiltinPicture(const QString& name);

// The start picture: "kelvra.jpg" of the current folder, or else one of the
// two built-in start pictures (the first with probability 0.4). `draw` is a
// number in [0, 1) that makes the choice.
QImage StartPicture(double draw);

// One picture of the slide show: its file and the catalogue text of its
// caption (a dial kind name).
struct GalleryEntry {
  QString file;
  texts::TextId captionTag;
};
const std::vector<GalleryEntry>& GalleryPictures();  // 26 entries

// The strip of dial family pictures: file, hint and caption tag.
struct FamilyPicture {
  QString file;
  texts::TextId captionTag;
};
const std::vector<FamilyPicture>& FamilyPictures();

// The picture of a dial type dialog picture number (2998, 3000, ...); an
// empty name when there is none.
QString PictureForNumber(int number);

}  // namespace kelvra::ui
