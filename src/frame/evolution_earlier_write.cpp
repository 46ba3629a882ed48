// Writing a file of the earlier layout.
#include <algorithm>
#include <cstring>

#include "frame/evolution_earlier.h"
#include "frame/real48.h"

namespace pumpdrill {

std::vector<Byte> EarlierEvolutionBytes(State& s, const std::string& version,
                                        const std::string& revision, int dischargeCount) {
  std::vector<Byte> file(kEvolutionRecordsOffset, 0);
  auto putText = [&file](std::size_t at, const std::string& t) {
    const std::size_t n = std::min<std::size_t>(t.size(), 255);
    file[at] = static_cast<Byte>(n);
    std::memcpy(file.data() + at + 1, t.data(), n);
  };
  putText(0, version);
  putText(256, revision);
  putText(512, "Tidewarden Pumpdrill");
  file[kEvolutionCountOffset] = static_cast<Byte>(dischargeCount);
  for (const StoredBlock& b : EvolutionBlocks(s)) {
    for (const EarlierFields& f : EarlierFieldsOf(b.kind)) {
      for (int i = 0; i < f.count; ++i) {
        switch (f.kind) {
          case EarlierFieldKind::Real: {
            double v;
            std::memcpy(&v, b.data + f.offset + 8 * i, 8);
            Byte r[6];
            DoubleToReal48(v, r);
            file.insert(file.end(), r, r + 6);
            break;
          }
          case EarlierFieldKind::Text: {
            const Byte* p = b.data + f.offset + 256 * i;
            file.insert(file.end(), p, p + 256);
            break;
          }
          case EarlierFieldKind::Byte1:
            file.push_back(b.data[f.offset + i]);
            break;
          case EarlierFieldKind::Small: {
            const Byte* p = b.data + f.offset + 2 * i;
            file.insert(file.end(), p, p + 2);
            break;
          }
        }
      }
    }
  }
  return file;
}

}  // namespace pumpdrill
