#include "clock/launcher/access_keys.h"

#include <array>
#include <cctype>
#include <string_view>

#include "base/text.h"

namespace tockle {

namespace {

constexpr std::string_view kKeys = "1234567890QWERTYUIOPASDFGHJKLZXCVBNM";

bool isKey(char c) { return kKeys.find(static_cast<char>(std::toupper(static_cast<unsigned char>(c)))) != kKeys.npos; }
int keyIndex(char c) { return static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(c))); }

// The position of the character after the caption's access-key "&", or npos.
size_t accessKeyAt(const std::string& caption) {
  for (size_t i = 0; i < caption.size(); ++i) {
    if (base::isLeadByte(static_cast<unsigned char>(caption[i]))) {
      ++i;
    } else if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] != '&') return i + 1;
      ++i;
    }
  }
  return std::string::npos;
}

// The caption without its access-key "&" ("&&" stays).
std::string withoutAccessKey(const std::string& caption) {
  size_t at = accessKeyAt(caption);
  return at == std::string::npos ? caption : caption.substr(0, at - 1) + caption.substr(at);
}

}  // namespace

std::vector<std::string> autoAccessKeys(std::vector<std::string> captions) {
  std::array<bool, 256> used{};
  std::vector<bool> done(captions.size(), false);
  // Keys the captions carry themselves come first, each to its first holder.
  for (size_t i = 0; i < captions.size(); ++i) {
    size_t at = accessKeyAt(captions[i]);
    if (at == std::string::npos || base::isLeadByte(static_cast<unsigned char>(captions[i][at]))) continue;
    char c = captions[i][at];
    if (used[keyIndex(c)]) continue;
    used[keyIndex(c)] = true;
    done[i] = true;
  }
  for (size_t i = 0; i < captions.size(); ++i) {
    std::string& caption = captions[i];
    if (done[i] || caption.empty() || caption == "-") continue;
    caption = withoutAccessKey(caption);
    bool given = false;
    for (size_t k = 0; k < caption.size() && !given; ++k) {
      if (base::isLeadByte(static_cast<unsigned char>(caption[k]))) {
        ++k;
      } else if (caption[k] == '&') {
        ++k;  // "&&"
      } else if (isKey(caption[k]) && !used[keyIndex(caption[k])]) {
        used[keyIndex(caption[k])] = true;
        caption.insert(k, 1, '&');
        given = true;
      }
    }
    for (size_t k = 0; k < kKeys.size() && !given; ++k) {
      if (used[keyIndex(kKeys[k])]) continue;
      used[keyIndex(kKeys[k])] = true;
      caption += std::string("(&") + kKeys[k] + ")";
      given = true;
    }
  }
  return captions;
}

}  // namespace tockle
