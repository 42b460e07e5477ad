#include "chart/shared/WindowsFonts.hpp"

#include "platform/windows/Utf16.hpp"

#include <windows.h>

#include <array>
#include <map>
#include <mutex>
#include <string_view>
#include <vector>

namespace tavrik::chart::shared {

namespace {

constexpr std::array<std::wstring_view, 5> kFallbacks = {L"Segoe UI", L"Arial", L"Tahoma", L"DejaVu Sans",
                                                         L"Liberation Sans"};

int CALLBACK noteFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM found) {
  auto* families = reinterpret_cast<std::vector<std::wstring>*>(found);
  if ((type & TRUETYPE_FONTTYPE) != 0 && font->lfFaceName[0] != L'@') families->emplace_back(font->lfFaceName);
  return 1;
}

// The installed TrueType families, in the order the system lists them.
const std::vector<std::wstring>& installedFamilies() {
  static const std::vector<std::wstring> families = [] {
    std::vector<std::wstring> found;
    HDC dc = ::CreateCompatibleDC(nullptr);
    LOGFONTW any{};
    any.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExW(dc, &any, noteFamily, reinterpret_cast<LPARAM>(&found), 0);
    ::DeleteDC(dc);
    return found;
  }();
  return families;
}

bool isInstalled(std::wstring_view family) {
  for (const std::wstring& installed : installedFamilies()) {
    if (::CompareStringOrdinal(installed.c_str(), static_cast<int>(installed.size()), family.data(),
                               static_cast<int>(family.size()), TRUE) == CSTR_EQUAL) {
      return true;
    }
  }
  return false;
}

std::wstring pick(const char* requested) {
  if (requested != nullptr && std::string_view(requested) != "sans-serif") {
    const std::wstring wanted = utf16::widen(requested);
    if (!wanted.empty() && isInstalled(wanted)) return wanted;
  }
  for (const std::wstring_view fallback : kFallbacks) {
    if (isInstalled(fallback)) return std::wstring(fallback);
  }
  const auto& families = installedFamilies();
  return families.empty() ? std::wstring(kFallbacks.front()) : families.front();
}

// True when the family has a glyph for every character of the text.
bool hasGlyphs(const std::wstring& family, const std::wstring& text) {
  LOGFONTW wanted{};
  wanted.lfHeight = -16;
  wanted.lfCharSet = DEFAULT_CHARSET;
  family.copy(wanted.lfFaceName, LF_FACESIZE - 1);
  HDC dc = ::CreateCompatibleDC(nullptr);
  HFONT font = ::CreateFontIndirectW(&wanted);
  HGDIOBJ old = ::SelectObject(dc, font);
  std::vector<WORD> glyphs(text.size());
  bool all = ::GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                                GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR;
  for (std::size_t i = 0; all && i < text.size(); ++i) {
    // Line ends and other controls are never drawn.
    if (text[i] >= 0x20 && glyphs[i] == 0xFFFF) all = false;
  }
  ::SelectObject(dc, old);
  ::DeleteObject(font);
  ::DeleteDC(dc);
  return all;
}

}  // namespace

const std::wstring& resolveFamily(const char* requested) {
  static std::mutex lock;
  static std::map<std::string, std::wstring> families;
  const std::lock_guard guard(lock);
  const std::string key = requested == nullptr ? "" : requested;
  auto found = families.find(key);
  if (found == families.end()) found = families.emplace(key, pick(requested)).first;
  return found->second;
}

std::wstring familyWithGlyphs(const std::wstring& family, const std::wstring& text) {
  if (hasGlyphs(family, text)) return family;
  for (const std::wstring_view fallback : kFallbacks) {
    if (isInstalled(fallback) && hasGlyphs(std::wstring(fallback), text)) return std::wstring(fallback);
  }
  for (const std::wstring& installed : installedFamilies()) {
    if (hasGlyphs(installed, text)) return installed;
  }
  return family;
}

}  // namespace tavrik::chart::shared
