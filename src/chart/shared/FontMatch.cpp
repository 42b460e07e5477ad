#include "chart/shared/FontMatch.hpp"

#include <fontconfig/fontconfig.h>

#include <map>

namespace tavrik::chart::shared {

namespace {

constexpr const char* kFallbackFamily = "sans-serif";

std::string askFontconfig(const char* requested) {
  FcPattern* pattern = FcPatternCreate();
  if (pattern == nullptr) return kFallbackFamily;
  // The fallback is part of the request, so an unknown family gives the
  // configured sans-serif font instead of whatever fontconfig ranks first.
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(requested));
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(kFallbackFamily));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  std::string family = kFallbackFamily;
  FcChar8* name = nullptr;
  if (match != nullptr && FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch) {
    family = reinterpret_cast<const char*>(name);
  }
  if (match != nullptr) FcPatternDestroy(match);
  FcPatternDestroy(pattern);
  return family;
}

}  // namespace

const std::string& matchFontFamily(const char* requested) {
  static std::map<std::string, std::string> families;
  const std::string key = requested == nullptr ? kFallbackFamily : requested;
  auto found = families.find(key);
  if (found == families.end()) found = families.emplace(key, askFontconfig(key.c_str())).first;
  return found->second;
}

}  // namespace tavrik::chart::shared
