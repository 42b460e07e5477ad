// The parts of a one-slide presentation, the same on every platform: only
// the font families and the zip container around the parts differ.

#include "chart/pptx/PptxParts.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string_view>

namespace tavrik::chart::pptx {

namespace {

// One pixel of the picture is one point on the slide, so font sizes carry
// over unchanged: 12700 EMU per point.
constexpr double kEmuPerPixel = 12700.0;

constexpr std::string_view kXmlHeader =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr std::string_view kNamespaces =
    " xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\""
    " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\""
    " xmlns:p=\"http://schemas.openxmlformats.org/presentationml/2006/main\"";
constexpr std::string_view kRelationshipType =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
constexpr std::string_view kEmptyGroup =
    "<p:nvGrpSpPr><p:cNvPr id=\"1\" name=\"\"/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr>"
    "<p:grpSpPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"0\" cy=\"0\"/>"
    "<a:chOff x=\"0\" y=\"0\"/><a:chExt cx=\"0\" cy=\"0\"/></a:xfrm></p:grpSpPr>";

long long emu(double pixels) { return std::llround(pixels * kEmuPerPixel); }

std::string number(long long value) { return std::to_string(value); }

std::string hexColour(std::uint32_t colour) {
  char text[8];
  std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(colour & 0xFFFFFFu));
  return text;
}

void appendEscaped(std::string& out, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        out += c;
    }
  }
}

std::string escaped(std::string_view text) {
  std::string out;
  appendEscaped(out, text);
  return out;
}

std::string solidFill(std::uint32_t colour) {
  if (colour == kTavrikChartNoColour) return "<a:noFill/>";
  return "<a:solidFill><a:srgbClr val=\"" + hexColour(colour) + "\"/></a:solidFill>";
}

std::string outline(std::uint32_t colour, double width) {
  if (colour == kTavrikChartNoColour || width <= 0) return "<a:ln><a:noFill/></a:ln>";
  return "<a:ln w=\"" + number(emu(width)) + "\">" + solidFill(colour) + "</a:ln>";
}

std::string frame(double x, double y, double w, double h, std::string_view attributes = {}) {
  return "<a:xfrm" + std::string(attributes) + "><a:off x=\"" + number(emu(x)) + "\" y=\"" +
         number(emu(y)) + "\"/><a:ext cx=\"" + number(emu(std::max(w, 0.0))) + "\" cy=\"" +
         number(emu(std::max(h, 0.0))) + "\"/></a:xfrm>";
}

std::string shapeName(const TavrikChartItem& item, std::string_view fallback, int id) {
  if (item.name != nullptr) return escaped(item.name);
  return std::string(fallback) + " " + std::to_string(id);
}

std::string nonVisual(std::string_view tag, int id, const std::string& name,
                      std::string_view drawingProperties) {
  return "<p:nv" + std::string(tag) + "Pr><p:cNvPr id=\"" + std::to_string(id) + "\" name=\"" +
         name + "\"/>" + std::string(drawingProperties) + "<p:nvPr/></p:nv" + std::string(tag) +
         "Pr>";
}

std::string rectShape(const TavrikChartItem& item, int id) {
  return "<p:sp>" + nonVisual("Sp", id, shapeName(item, "Rettangolo", id), "<p:cNvSpPr/>") +
         "<p:spPr>" + frame(item.x, item.y, item.w, item.h) +
         "<a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom>" + solidFill(item.fill) +
         outline(item.edge, item.edgeWidth) + "</p:spPr></p:sp>";
}

std::string lineShape(const TavrikChartItem& item, int id) {
  // A line is the diagonal of its frame; flips say which diagonal.
  std::string flips;
  if (item.x2 < item.x) flips += " flipH=\"1\"";
  if (item.y2 < item.y) flips += " flipV=\"1\"";
  return "<p:cxnSp>" + nonVisual("CxnSp", id, shapeName(item, "Linea", id), "<p:cNvCxnSpPr/>") +
         "<p:spPr>" +
         frame(std::min(item.x, item.x2), std::min(item.y, item.y2), std::fabs(item.x2 - item.x),
               std::fabs(item.y2 - item.y), flips) +
         "<a:prstGeom prst=\"line\"><a:avLst/></a:prstGeom>" + outline(item.fill, item.edgeWidth) +
         "</p:spPr></p:cxnSp>";
}

std::string runProperties(std::string_view element, const TavrikChartItem& item,
                          const std::string& family) {
  const long long size = std::max(100LL, std::llround(item.size * 100));
  const std::string face = "typeface=\"" + escaped(family) + "\"";
  return "<a:" + std::string(element) + " lang=\"it-IT\" sz=\"" + number(size) + "\" dirty=\"0\">" +
         solidFill(item.fill) + "<a:latin " + face + "/><a:ea " + face + "/><a:cs " + face +
         "/></a:" + std::string(element) + ">";
}

// A run of text as a text box around its line, the text at its top left,
// with no wrapping: the program placed it, the slide only keeps it there.
std::string textShape(const TavrikChartItem& item, int id, const FontFamilies& families) {
  const std::string family = families(item.family);
  // The line's frame runs from its top, `ascent` above the baseline, along
  // the measured width; one that reads upwards is turned a quarter left
  // about its centre.
  std::string xfrm;
  if (item.rotated != 0) {
    const double cx = item.x - item.ascent + item.h / 2;
    const double cy = item.y - item.w / 2;
    xfrm = frame(cx - item.w / 2, cy - item.h / 2, item.w, item.h, " rot=\"16200000\"");
  } else {
    xfrm = frame(item.x, item.y - item.ascent, item.w, item.h);
  }
  const std::string properties = runProperties("rPr", item, family);
  std::string paragraph = "<a:p><a:pPr algn=\"l\"/><a:r>" + properties + "<a:t>";
  appendEscaped(paragraph, item.text == nullptr ? std::string_view{} : item.text);
  paragraph += "</a:t></a:r>" + runProperties("endParaRPr", item, family) + "</a:p>";
  return "<p:sp>" + nonVisual("Sp", id, shapeName(item, "Testo", id), "<p:cNvSpPr txBox=\"1\"/>") +
         "<p:spPr>" + xfrm + "<a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom><a:noFill/>" +
         "</p:spPr><p:txBody><a:bodyPr wrap=\"none\" lIns=\"0\" tIns=\"0\" rIns=\"0\" "
         "bIns=\"0\" anchor=\"t\" rtlCol=\"0\"><a:noAutofit/></a:bodyPr><a:lstStyle/>" +
         paragraph + "</p:txBody></p:sp>";
}

std::string relationships(const std::vector<std::pair<std::string, std::string>>& targets) {
  std::string xml = std::string(kXmlHeader) +
                    "<Relationships "
                    "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
  int id = 1;
  for (const auto& [type, target] : targets) {
    const std::string fullType =
        type.find("://") == std::string::npos ? std::string(kRelationshipType) + type : type;
    xml += "<Relationship Id=\"rId" + std::to_string(id++) + "\" Type=\"" + fullType +
           "\" Target=\"" + target + "\"/>";
  }
  return xml + "</Relationships>";
}

std::string contentTypes() {
  const std::string ml = "application/vnd.openxmlformats-officedocument.presentationml.";
  const std::pair<const char*, std::string> overrides[] = {
      {"/ppt/presentation.xml", ml + "presentation.main+xml"},
      {"/ppt/slideMasters/slideMaster1.xml", ml + "slideMaster+xml"},
      {"/ppt/slideLayouts/slideLayout1.xml", ml + "slideLayout+xml"},
      {"/ppt/slides/slide1.xml", ml + "slide+xml"},
      {"/ppt/theme/theme1.xml", "application/vnd.openxmlformats-officedocument.theme+xml"},
      {"/ppt/presProps.xml", ml + "presProps+xml"},
      {"/ppt/viewProps.xml", ml + "viewProps+xml"},
      {"/ppt/tableStyles.xml", ml + "tableStyles+xml"},
      {"/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml"},
      {"/docProps/app.xml",
       "application/vnd.openxmlformats-officedocument.extended-properties+xml"},
  };
  std::string xml = std::string(kXmlHeader) +
                    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                    "<Default Extension=\"rels\" "
                    "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>";
  for (const auto& [part, type] : overrides) {
    xml += "<Override PartName=\"" + std::string(part) + "\" ContentType=\"" + type + "\"/>";
  }
  return xml + "</Types>";
}

std::string presentation(const TavrikChartPicture& picture) {
  return std::string(kXmlHeader) + "<p:presentation" + std::string(kNamespaces) +
         " saveSubsetFonts=\"1\"><p:sldMasterIdLst><p:sldMasterId id=\"2147483648\" "
         "r:id=\"rId1\"/></p:sldMasterIdLst><p:sldIdLst><p:sldId id=\"256\" r:id=\"rId2\"/>"
         "</p:sldIdLst><p:sldSz cx=\"" +
         number(emu(picture.width)) + "\" cy=\"" + number(emu(picture.height)) +
         "\"/><p:notesSz cx=\"6858000\" cy=\"9144000\"/></p:presentation>";
}

std::string slideMaster() {
  return std::string(kXmlHeader) + "<p:sldMaster" + std::string(kNamespaces) +
         "><p:cSld><p:bg><p:bgRef idx=\"1001\"><a:schemeClr val=\"bg1\"/></p:bgRef></p:bg>"
         "<p:spTree>" +
         std::string(kEmptyGroup) +
         "</p:spTree></p:cSld><p:clrMap bg1=\"lt1\" tx1=\"dk1\" bg2=\"lt2\" tx2=\"dk2\" "
         "accent1=\"accent1\" accent2=\"accent2\" accent3=\"accent3\" accent4=\"accent4\" "
         "accent5=\"accent5\" accent6=\"accent6\" hlink=\"hlink\" folHlink=\"folHlink\"/>"
         "<p:sldLayoutIdLst><p:sldLayoutId id=\"2147483649\" r:id=\"rId1\"/></p:sldLayoutIdLst>"
         "</p:sldMaster>";
}

std::string slideLayout() {
  return std::string(kXmlHeader) + "<p:sldLayout" + std::string(kNamespaces) +
         " type=\"blank\" preserve=\"1\"><p:cSld name=\"Vuota\"><p:spTree>" +
         std::string(kEmptyGroup) +
         "</p:spTree></p:cSld><p:clrMapOvr><a:masterClrMapping/></p:clrMapOvr></p:sldLayout>";
}

std::string theme(const std::string& family) {
  const std::string face =
      "<a:latin typeface=\"" + escaped(family) + "\"/><a:ea typeface=\"\"/><a:cs typeface=\"\"/>";
  std::string colours;
  const std::pair<const char*, const char*> scheme[] = {
      {"dk1", "000000"},     {"lt1", "FFFFFF"},     {"dk2", "1F2A44"},     {"lt2", "E8E8E8"},
      {"accent1", "0A9FA6"}, {"accent2", "EEAD00"}, {"accent3", "5B8E3A"}, {"accent4", "8E3A59"},
      {"accent5", "3A5B8E"}, {"accent6", "C0C0C0"}, {"hlink", "0563C1"},   {"folHlink", "954F72"},
  };
  for (const auto& [name, value] : scheme) {
    colours += "<a:" + std::string(name) + "><a:srgbClr val=\"" + value + "\"/></a:" + name + ">";
  }
  const std::string fill = "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill>";
  const std::string line = "<a:ln w=\"9525\">" + fill + "</a:ln>";
  const std::string effect = "<a:effectStyle><a:effectLst/></a:effectStyle>";
  return std::string(kXmlHeader) +
         "<a:theme xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
         "name=\"Tavrik\"><a:themeElements><a:clrScheme name=\"Tavrik\">" +
         colours + "</a:clrScheme><a:fontScheme name=\"Tavrik\"><a:majorFont>" + face +
         "</a:majorFont><a:minorFont>" + face +
         "</a:minorFont></a:fontScheme><a:fmtScheme name=\"Tavrik\"><a:fillStyleLst>" + fill +
         fill + fill + "</a:fillStyleLst><a:lnStyleLst>" + line + line + line +
         "</a:lnStyleLst><a:effectStyleLst>" + effect + effect + effect +
         "</a:effectStyleLst><a:bgFillStyleLst>" + fill + fill + fill +
         "</a:bgFillStyleLst></a:fmtScheme></a:themeElements></a:theme>";
}

std::string coreProperties(const TavrikChartPicture& picture) {
  return std::string(kXmlHeader) +
         "<cp:coreProperties "
         "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
         "xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><dc:title>" +
         escaped(picture.title == nullptr ? "" : picture.title) +
         "</dc:title><dc:creator>Tavrik Terminal</dc:creator></cp:coreProperties>";
}

std::string appProperties() {
  return std::string(kXmlHeader) +
         "<Properties "
         "xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\">"
         "<Application>Tavrik Terminal</Application><Slides>1</Slides></Properties>";
}

}  // namespace

std::string slideXml(const TavrikChartPicture& picture, const FontFamilies& families) {
  std::string xml = std::string(kXmlHeader) + "<p:sld" + std::string(kNamespaces) +
                    "><p:cSld><p:spTree>" + std::string(kEmptyGroup);
  int id = 2;
  for (std::size_t i = 0; i < picture.count; ++i) {
    const TavrikChartItem& item = picture.items[i];
    switch (item.kind) {
      case kTavrikChartRect:
        xml += rectShape(item, id++);
        break;
      case kTavrikChartLine:
        xml += lineShape(item, id++);
        break;
      case kTavrikChartText:
        xml += textShape(item, id++, families);
        break;
      default:
        break;
    }
  }
  return xml + "</p:spTree></p:cSld><p:clrMapOvr><a:masterClrMapping/></p:clrMapOvr></p:sld>";
}

std::vector<std::pair<std::string, std::string>> presentationParts(
    const TavrikChartPicture& picture, const FontFamilies& families) {
  const std::string family = families(nullptr);
  // [Content_Types].xml comes first, as readers that stream the package
  // expect.
  return {
      {"[Content_Types].xml", contentTypes()},
      {"_rels/.rels",
       relationships({{"officeDocument", "ppt/presentation.xml"},
                      {"http://schemas.openxmlformats.org/package/2006/relationships/metadata/"
                       "core-properties",
                       "docProps/core.xml"},
                      {"extended-properties", "docProps/app.xml"}})},
      {"docProps/core.xml", coreProperties(picture)},
      {"docProps/app.xml", appProperties()},
      {"ppt/presentation.xml", presentation(picture)},
      {"ppt/_rels/presentation.xml.rels",
       relationships({{"slideMaster", "slideMasters/slideMaster1.xml"},
                      {"slide", "slides/slide1.xml"},
                      {"theme", "theme/theme1.xml"},
                      {"presProps", "presProps.xml"},
                      {"viewProps", "viewProps.xml"},
                      {"tableStyles", "tableStyles.xml"}})},
      {"ppt/presProps.xml",
       std::string(kXmlHeader) + "<p:presentationPr" + std::string(kNamespaces) + "/>"},
      {"ppt/viewProps.xml",
       std::string(kXmlHeader) + "<p:viewPr" + std::string(kNamespaces) + "/>"},
      {"ppt/tableStyles.xml",
       std::string(kXmlHeader) +
           "<a:tblStyleLst xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
           "def=\"{5C22544A-7EE6-4342-B048-85BDC9FD1C3A}\"/>"},
      {"ppt/theme/theme1.xml", theme(family)},
      {"ppt/slideMasters/slideMaster1.xml", slideMaster()},
      {"ppt/slideMasters/_rels/slideMaster1.xml.rels",
       relationships({{"slideLayout", "../slideLayouts/slideLayout1.xml"},
                      {"theme", "../theme/theme1.xml"}})},
      {"ppt/slideLayouts/slideLayout1.xml", slideLayout()},
      {"ppt/slideLayouts/_rels/slideLayout1.xml.rels",
       relationships({{"slideMaster", "../slideMasters/slideMaster1.xml"}})},
      {"ppt/slides/slide1.xml", slideXml(picture, families)},
      {"ppt/slides/_rels/slide1.xml.rels",
       relationships({{"slideLayout", "../slideLayouts/slideLayout1.xml"}})},
  };
}

}  // namespace tavrik::chart::pptx
