#include "panel/image_library.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace pumpdrill {

namespace {

constexpr char kMagic[8] = {'P', 'D', 'I', 'M', 'G', 'L', 'I', 'B'};
constexpr std::uint32_t kVersion = 2;

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

class Reader {
 public:
  explicit Reader(const std::string& data) : data_(data) {}
  bool Bytes(std::size_t n, std::string& out) {
    if (data_.size() - pos_ < n) return false;
    out.assign(data_, pos_, n);
    pos_ += n;
    return true;
  }
  bool U32(std::uint32_t& v) { return Number(4, v); }
  bool U16(std::uint32_t& v) { return Number(2, v); }
  bool AtEnd() const { return pos_ == data_.size(); }

 private:
  bool Number(std::size_t n, std::uint32_t& v) {
    if (data_.size() - pos_ < n) return false;
    v = 0;
    for (std::size_t i = 0; i < n; ++i)
      v |= static_cast<std::uint32_t>(static_cast<unsigned char>(data_[pos_ + i])) << (8 * i);
    pos_ += n;
    return true;
  }
  const std::string& data_;
  std::size_t pos_ = 0;
};

void PutNumber(std::string& out, std::uint32_t v, int n) {
  for (int i = 0; i < n; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

const std::string* ImageLibrary::Find(const std::string& name) const {
  auto it = images_.find(Upper(name));
  return it == images_.end() ? nullptr : &it->second.bytes;
}

int ImageLibrary::Scale(const std::string& name) const {
  auto it = images_.find(Upper(name));
  return it == images_.end() ? 1 : it->second.scale;
}

std::vector<std::string> ImageLibrary::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : images_) names.push_back(entry.first);
  return names;
}

int ReadImageLibrary(const std::string& path, ImageLibrary& library) {
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) return errno != 0 ? errno : ENOENT;
  std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return EIO;

  Reader r(data);
  std::string magic;
  std::uint32_t version = 0, count = 0;
  if (!r.Bytes(8, magic) || magic != std::string(kMagic, 8) || !r.U32(version) || version < 1 ||
      version > kVersion || !r.U32(count))
    return kBadImageLibrary;
  std::map<std::string, ImageLibrary::Entry> images;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint32_t nameLength = 0, scale = 1, size = 0;
    std::string name, bytes;
    if (!r.U16(nameLength) || !r.Bytes(nameLength, name)) return kBadImageLibrary;
    if (version >= 2 && (!r.U16(scale) || scale < 1 || scale > kMaxImageScale))
      return kBadImageLibrary;
    if (!r.U32(size) || !r.Bytes(size, bytes)) return kBadImageLibrary;
    images[Upper(name)] = {std::move(bytes), static_cast<int>(scale)};
  }
  if (!r.AtEnd()) return kBadImageLibrary;
  library.path_ = path;
  library.images_ = std::move(images);
  return 0;
}

bool WriteImageLibrary(const std::string& path, const std::vector<LibraryImage>& images,
                       std::string* error) {
  std::string out(kMagic, 8);
  PutNumber(out, kVersion, 4);
  PutNumber(out, static_cast<std::uint32_t>(images.size()), 4);
  for (const LibraryImage& image : images) {
    if (image.Name.empty() || image.Name.size() > 0xFFFF) {
      if (error) *error = "bad image name '" + image.Name + "'";
      return false;
    }
    if (image.Scale < 1 || image.Scale > kMaxImageScale) {
      if (error) *error = "bad scale " + std::to_string(image.Scale) + " of " + image.Name;
      return false;
    }
    PutNumber(out, static_cast<std::uint32_t>(image.Name.size()), 2);
    out += Upper(image.Name);
    PutNumber(out, static_cast<std::uint32_t>(image.Scale), 2);
    PutNumber(out, static_cast<std::uint32_t>(image.Bytes.size()), 4);
    out += image.Bytes;
  }
  std::string temp = path + ".part";
  {
    std::ofstream f(temp, std::ios::binary | std::ios::trunc);
    f.write(out.data(), static_cast<std::streamsize>(out.size()));
    f.close();
    if (!f) {
      if (error) *error = "cannot write " + temp;
      std::remove(temp.c_str());
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    if (error) *error = "cannot rename " + temp + " to " + path + ": " + ec.message();
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

bool OpenImageLibrary(const std::string& path, ImageLibraryHandle& handle, Alerts& alerts) {
  handle.reset();
  auto library = std::make_unique<ImageLibrary>();
  int error = ReadImageLibrary(path, *library);
  if (error != 0) {
    alerts.Message(MsgType::Confirmation, Buttons::Ok,
                   "Error " + std::to_string(error) + ": loading " + path);
    return false;
  }
  handle = std::move(library);
  return true;
}

void CloseImageLibrary(ImageLibraryHandle& handle) { handle.reset(); }

bool OpenMiscImageLibrary(const std::string& mainDirectory, ImageLibraryHandle& handle,
                          Alerts& alerts) {
  std::string path = mainDirectory + kMiscImageLibrary;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    handle.reset();
    alerts.Message(MsgType::Confirmation, Buttons::Ok, "Cannot find " + path);
    alerts.Message(MsgType::Confirmation, Buttons::Ok, "Cannot open " + path);
    return false;
  }
  if (!OpenImageLibrary(path, handle, alerts)) {
    alerts.Message(MsgType::Confirmation, Buttons::Ok, "Cannot open " + path);
    return false;
  }
  return true;
}

bool OpenPanelImageLibrary(const std::string& mainDirectory, ImageLibraryHandle& handle,
                           Alerts& alerts, bool pictureLibraryWording) {
  std::string path = mainDirectory + kPanelImageLibrary;
  if (OpenImageLibrary(path, handle, alerts)) return true;
  alerts.Message(MsgType::Confirmation, Buttons::Ok,
                 (pictureLibraryWording ? "Cannot open picture library " : "Cannot open ") + path);
  return false;
}

}  // namespace pumpdrill
