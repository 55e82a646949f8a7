// Font families: the system's list, made once, and the resolution of a
// requested name to a family the system has, by kind when it lacks the name.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "draw/device.h"

constexpr int32_t N_FONT_FAMILY_KINDS = 3;
constexpr int32_t SANS_SERIF_KIND = 0;
constexpr int32_t SERIF_KIND = 1;
constexpr int32_t MONOSPACED_KIND = 2;

// One entry per name, sorted by name, style words stripped.
struct Family_List {
  std::vector<Font_Family> families;
};

// The list from the face names as the system enumerates them.
Family_List family_list_from_system(const std::vector<Font_Family>& faces);

const Font_Family* family_find_mp(const Family_List& list, std::string_view name);

// The name or its kind's stand-ins, without falling back to a default;
// null when the list has none of them.
const Font_Family* family_resolve_mp(const Family_List& list, std::string_view name, int32_t kind);

// The system font's family when the list has it, else the first roman
// family, else the first family.
Font_Family family_default(const Family_List& list, std::string_view system_face);

Font_Family family_resolve(const Family_List& list, std::string_view name, int32_t kind,
                           const Font_Family& default_family);

// The family that draws the Symbol coding: "Symbol" or a family known to
// hold its characters, read with the Symbol coding whatever the family.
Font_Family family_symbol(const Family_List& list, const Font_Family& default_family);
