// Writes 0x00RRGGBB pixels (top-down rows) as an uncompressed PNG, for screenshots kept with the
// test results.
#pragma once

#include <cstdint>
#include <string>

namespace test {

bool writePng(const std::string& path, const uint32_t* pixels, int width, int height);

// The folder beside the test programs where screenshots and logs are kept (CP932, trailing '\').
std::string resultsFolder();

}  // namespace test
