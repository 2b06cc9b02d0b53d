#pragma once
// Everything one conversion needs, over a fresh temporary folder.
#include "engine/file_conversion.h"
#include "engine/line_file.h"
#include "tests/support/recording_host.h"
#include "tests/support/temp_dir.h"

namespace siconv {

struct ConversionRig {
  TempDir dir;
  UnitTypes unitType{};
  LineFile inFile;
  LineFile outFile;
  RecordingHost host;
  ConversionContext ctx{dir.Path(), unitType, inFile, outFile, host};
};

}  // namespace siconv
