// Image libraries: the panel's pictures ("panel04.dll") and the other
// pictures of the program ("misc04.dll") lie in the main directory as
// libraries of named images. A library file holds data only:
//
//   8 bytes   "PDIMGLIB"
//   4 bytes   format version (2; 1 is still read), little-endian
//   4 bytes   number of images
//   per image: 2 bytes name length, the name (upper case), in version 2
//              2 bytes the picture's scale, then 4 bytes data length, the
//              data (a PNG image)
//
// A picture of scale s holds s x s pixels for each layout pixel: a 79 x 79
// gauge face of scale 4 is stored as 316 x 316 pixels. Version 1 files hold
// pictures of scale 1.
//
// The build draws the images and writes both files. Names are looked up
// without regard to letter case.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "sim/host.h"

namespace pumpdrill {

inline constexpr const char* kPanelImageLibrary = "panel04.dll";
inline constexpr const char* kMiscImageLibrary = "misc04.dll";

// One picture of a library file: its name, its encoded bytes and its scale.
struct LibraryImage {
  std::string Name;
  std::string Bytes;
  int Scale = 1;
};

inline constexpr int kMaxImageScale = 16;

class ImageLibrary {
 public:
  // The encoded image of that name, or nullptr.
  const std::string* Find(const std::string& name) const;
  // The scale of the picture of that name (1 when there is none).
  int Scale(const std::string& name) const;
  const std::string& Path() const { return path_; }
  std::size_t Size() const { return images_.size(); }
  std::vector<std::string> Names() const;

 private:
  friend int ReadImageLibrary(const std::string& path, ImageLibrary& library);
  std::string path_;
  struct Entry {
    std::string bytes;
    int scale = 1;
  };
  std::map<std::string, Entry> images_;
};

using ImageLibraryHandle = std::unique_ptr<ImageLibrary>;

// Error numbers of a failed load: the system's error number for a file that
// cannot be read, kBadImageLibrary for a file that is not a library.
inline constexpr int kBadImageLibrary = 193;

// Reads a library file whole. Returns 0, or the error number of the failure.
int ReadImageLibrary(const std::string& path, ImageLibrary& library);

// Writes a library file (through a temporary file, so that a failed write
// leaves any earlier library intact). Returns false with a reason in error;
// a name that is empty or too long, or a scale outside 1 to
// kMaxImageScale, writes nothing.
bool WriteImageLibrary(const std::string& path, const std::vector<LibraryImage>& images,
                       std::string* error = nullptr);

// Loads the library at path into handle. On failure reports
// "Error <number>: loading <path>" and returns false with handle empty.
bool OpenImageLibrary(const std::string& path, ImageLibraryHandle& handle, Alerts& alerts);

// Releases the library.
void CloseImageLibrary(ImageLibraryHandle& handle);

// Start-up: opens "misc04.dll" of the main directory, reporting a missing
// file ("Cannot find ...") and a failed load ("Cannot open ..."). The
// program goes on without the pictures either way.
bool OpenMiscImageLibrary(const std::string& mainDirectory, ImageLibraryHandle& handle,
                          Alerts& alerts);

// Panel lookups: opens "panel04.dll" of the main directory for one batch of
// lookups; on failure adds "Cannot open picture library <path>" (or
// "Cannot open <path>" when pictureLibraryWording is false).
bool OpenPanelImageLibrary(const std::string& mainDirectory, ImageLibraryHandle& handle,
                           Alerts& alerts, bool pictureLibraryWording = true);

}  // namespace pumpdrill
