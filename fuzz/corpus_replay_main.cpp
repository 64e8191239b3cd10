// Runs every file of the corpus folders named on the command line once through the fuzz target
// it is linked with, in the ordinary build: the inputs the fuzzer kept become a regression test,
// so a fault one of them found cannot come back unnoticed. A folder without inputs is an error,
// so that a misplaced corpus cannot pass by testing nothing.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz_target.h"

namespace {

std::vector<std::filesystem::path> inputsIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> inputs;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.is_regular_file()) {
      inputs.push_back(entry.path());
    }
  }
  // The same order on every machine, so a failure names the same first input.
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s CORPUS_FOLDER...\n", argv[0]);
    return 2;
  }
  for (int argument = 1; argument < argc; ++argument) {
    const std::filesystem::path folder = argv[argument];
    const std::vector<std::filesystem::path> inputs = inputsIn(folder);
    if (inputs.empty()) {
      std::fprintf(stderr, "%s: no inputs\n", folder.c_str());
      return 1;
    }
    for (const std::filesystem::path& input : inputs) {
      std::ifstream stream(input, std::ios::binary);
      if (!stream) {
        std::fprintf(stderr, "%s: cannot open\n", input.c_str());
        return 1;
      }
      const std::vector<char> bytes{std::istreambuf_iterator<char>(stream),
                                    std::istreambuf_iterator<char>()};
      // Printed first, so the input a crash stops on is the last one named.
      std::printf("%s\n", input.c_str());
      std::fflush(stdout);
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs of %s ran\n", inputs.size(), folder.c_str());
  }
  return 0;
}
