#pragma once
// The resources that both programs carry, as the Qt resource system holds them: ":/<type>/<name>".

namespace tv_resources {

struct EmbeddedResource {
  const char* typeName;
  const char* name;
  const char* sourceFile;  // in this folder
};

inline constexpr EmbeddedResource kEmbeddedResources[] = {
    {"RT_FONT", "GREEKC_FONT", "GreekC.ttf"},
    {"RT_FONT", "GREEKS_FONT", "GreekS.ttf"},
    {"RT_RCDATA", "PDF_MANUAL", "manual_tollard.pdf"},
    {"RT_RCDATA", "ROD_IMAGE", "rod.jpg"},
};

// Count of resources registered under ":/RT_FONT" and ":/RT_RCDATA"; a build check that the
// resource data was linked in.
int embeddedResourceCount();

}  // namespace tv_resources
