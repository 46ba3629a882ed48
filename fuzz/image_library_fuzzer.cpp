// Picture libraries: any file either fails to open or lists pictures that
// can be looked up by name.
#include "fuzz_run.h"
#include "panel/image_library.h"

using namespace pumpdrill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::WriteInput(data, size, "fuzz.dll");
  ImageLibrary library;
  if (ReadImageLibrary(path, library) != 0) return 0;
  for (const std::string& name : library.Names()) (void)library.Find(name);
  return 0;
}
