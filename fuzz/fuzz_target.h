// The contract of a fuzz target: the entry point that libFuzzer and the corpus replay both call
// with one input, and how a target reports a broken promise, so that libFuzzer keeps the input as
// a crash and the corpus replay fails its test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace vantoki {

[[noreturn]] inline void failFuzzCheck(const std::string& what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
  std::abort();
}

}  // namespace vantoki
