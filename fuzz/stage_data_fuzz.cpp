// Fuzz target: any bytes as a stage data file. Reading must hand out a whole stage set or a
// message that names the file, and never crash; the sanitizers catch any step out of bounds on
// the way, in the record syntax, the code page 932 decoding and the cell numbers alike.
#include <cstddef>
#include <cstdint>

#include "fuzz_target.h"
#include "input_file.h"
#include "io/stage_data_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantoki;
  static InputFile file;
  file.hold(data, size);
  const Result<StageSet> read = readStageDataFile(file.path());
  if (!read.ok() && !read.error().message.starts_with(file.path().string() + ": ")) {
    failFuzzCheck("the message does not name the file: " + read.error().message);
  }
  return 0;
}
