// libFuzzer target: the readers of untrusted files (JPEG header, PFB font file, PFM
// metrics) get the same arbitrary bytes.
#include "pdf/cpdfInternal.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  cpdf_globalHookSet(nullptr);
  cpdf_detail::JpegInfo info;
  cpdf_detail::readJpegHeaderBytes(data, size, info);
  FontFile file;
  cpdf_detail::readPfbBytes(data, size, "fuzz.pfb", file);
  CpdfExternalFont font;
  cpdf_detail::readPfmBytes(data, size, "fuzz.pfm", font);
  return 0;
}
