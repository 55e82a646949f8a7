#include "draw/font_family.h"

#include <algorithm>

#include "core/err.h"

namespace {

const char* const CANONICAL_NAMES[N_FONT_FAMILY_KINDS] = {"Helvetica", "Times", "Courier"};

// The first name of each kind is the traditional stand-in; the others are
// families that Linux systems have in the place of the canonical ones
// (metric-compatible first), so a serif request stays serif.
const std::vector<std::string_view> SUBSTITUTES[N_FONT_FAMILY_KINDS] = {
    {"Arial", "Liberation Sans", "Nimbus Sans", "DejaVu Sans"},
    {"New York", "Liberation Serif", "Nimbus Roman", "DejaVu Serif"},
    {"Monaco", "Liberation Mono", "Nimbus Mono PS", "DejaVu Sans Mono"},
};

// Where no "Symbol" family exists, these have its Greek letters and
// mathematical signs as real glyphs.
const std::string_view SYMBOL_NAMES[] = {"Symbol", "DejaVu Serif", "DejaVu Sans"};

void strip_word(std::string& name, std::string_view word) {
  for (size_t at; (at = name.find(word)) != std::string::npos;) name.erase(at, word.size());
}

bool by_name(const Font_Family& a, const Font_Family& b) { return a.name < b.name; }

}  // namespace

Family_List family_list_from_system(const std::vector<Font_Family>& faces) {
  Family_List list;
  for (const Font_Family& f : faces) {
    Font_Family g = f;
    strip_word(g.name, " Bold");
    strip_word(g.name, " Italic");
    bool seen_q = std::any_of(list.families.begin(), list.families.end(),
                              [&](const Font_Family& h) { return h.name == g.name; });
    if (!seen_q) list.families.push_back(g);
  }
  std::sort(list.families.begin(), list.families.end(), by_name);
  return list;
}

const Font_Family* family_find_mp(const Family_List& list, std::string_view name) {
  auto it = std::lower_bound(list.families.begin(), list.families.end(), name,
                             [](const Font_Family& f, std::string_view n) { return f.name < n; });
  return it != list.families.end() && it->name == name ? &*it : nullptr;
}

const Font_Family* family_resolve_mp(const Family_List& list, std::string_view name, int32_t kind) {
  CHECK(unsigned(kind) < unsigned(N_FONT_FAMILY_KINDS));
  std::string n(name);
  const Font_Family* f_mp = family_find_mp(list, n);
  if (!f_mp) f_mp = family_find_mp(list, n + " Roman");
  if (!f_mp && n.find(" New") == std::string::npos) {
    f_mp = family_find_mp(list, n + " New");
    if (!f_mp) f_mp = family_find_mp(list, n + " New Roman");
  }
  if (f_mp) return f_mp;
  if (name != CANONICAL_NAMES[kind]) return family_resolve_mp(list, CANONICAL_NAMES[kind], kind);
  for (std::string_view s : SUBSTITUTES[kind])
    if ((f_mp = family_find_mp(list, s))) return f_mp;
  return nullptr;
}

Font_Family family_default(const Family_List& list, std::string_view system_face) {
  if (const Font_Family* f_mp = family_resolve_mp(list, system_face, SANS_SERIF_KIND)) return *f_mp;
  for (const Font_Family& f : list.families)
    if (f.charset == ANSI_CHARSET) return f;
  CHECK(!list.families.empty());
  return list.families[0];
}

Font_Family family_resolve(const Family_List& list, std::string_view name, int32_t kind,
                           const Font_Family& default_family) {
  const Font_Family* f_mp = family_resolve_mp(list, name, kind);
  return f_mp ? *f_mp : default_family;
}

Font_Family family_symbol(const Family_List& list, const Font_Family& default_family) {
  Font_Family f = default_family;
  const Font_Family* f_mp = nullptr;
  for (std::string_view s : SYMBOL_NAMES)
    if ((f_mp = family_find_mp(list, s))) break;
  f = f_mp ? *f_mp : family_resolve(list, "Symbol", MONOSPACED_KIND, default_family);
  f.charset = SYMBOL_CHARSET;
  return f;
}
