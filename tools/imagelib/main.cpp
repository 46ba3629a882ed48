// make-image-libraries: draws every picture of the program and writes the
// two image libraries.
//
//   make-image-libraries PANEL_OUT MISC_OUT [--png LIB DIR]...
//
// --png adds every PNG file of DIR to LIB ("panel" or "misc") under its
// file name without extension.
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <map>
#include <string>

#include "drawn_images.h"
#include "panel/image_library.h"

using namespace pumpdrill;
using namespace pumpdrill::imagelib;

namespace {

std::string EncodePng(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

namespace pumpdrill::imagelib {
QImage Canvas(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}
}  // namespace pumpdrill::imagelib

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: make-image-libraries PANEL_OUT MISC_OUT [--png LIB DIR]...\n");
    return 2;
  }
  DrawnImages drawn;
  AddPanelLampImages(drawn);
  AddGaugeFaceImages(drawn);
  AddPanelSwitchImages(drawn);
  AddPanelCapImages(drawn);
  AddPanelTrimImages(drawn);
  AddPanelRotaryImages(drawn);
  AddPanelControlImages(drawn);
  AddRunButtonImages(drawn);
  AddSplashImages(drawn);
  AddHoseAndNozzleImages(drawn);
  AddBurnHouseImages(drawn);
  AddSupplyImages(drawn);
  AddFoamImages(drawn);

  std::map<Library, std::vector<LibraryImage>> files;
  for (const DrawnImage& d : drawn)
    files[d.library].push_back({d.name, EncodePng(d.image), d.scale});

  for (int i = 3; i < argc; i += 3) {
    if (std::string(argv[i]) != "--png" || i + 2 >= argc) {
      std::fprintf(stderr, "make-image-libraries: bad argument %s\n", argv[i]);
      return 2;
    }
    Library lib = std::string(argv[i + 1]) == "panel" ? Library::Panel : Library::Misc;
    QDir dir(QString::fromLocal8Bit(argv[i + 2]));
    for (const QFileInfo& f : dir.entryInfoList({"*.png", "*.PNG"}, QDir::Files, QDir::Name)) {
      QImage image(f.absoluteFilePath());
      if (image.isNull()) {
        std::fprintf(stderr, "make-image-libraries: cannot read %s\n", qPrintable(f.filePath()));
        return 1;
      }
      files[lib].push_back({f.completeBaseName().toUpper().toStdString(), EncodePng(image), 1});
    }
  }

  const char* outputs[] = {argv[1], argv[2]};
  const Library libs[] = {Library::Panel, Library::Misc};
  for (int i = 0; i < 2; ++i) {
    std::string error;
    if (!WriteImageLibrary(outputs[i], files[libs[i]], &error)) {
      std::fprintf(stderr, "make-image-libraries: %s\n", error.c_str());
      return 1;
    }
  }
  return 0;
}
