#include "draw/screen.h"

#include "core/err.h"

namespace {

Device screen_device_ = {nullptr, nullptr};
// Deliberately never destroyed: the platform may be gone when statics are.
Canvas* screen_canvas_mp_ = nullptr;
Family_List* families_mp_ = nullptr;
Font_Family* default_family_mp_ = nullptr;
Font_Family* symbol_family_mp_ = nullptr;

}  // namespace

void screen_device_install(Device d) {
  CHECK(screen_device_.ops_p == nullptr);
  screen_device_ = d;
}

bool screen_device_installed_q() { return screen_device_.ops_p != nullptr; }

Canvas& screen_canvas() {
  if (!screen_canvas_mp_) {
    CHECK(screen_device_.ops_p != nullptr);
    screen_canvas_mp_ = new Canvas(screen_device_, 0, 0);
  }
  return *screen_canvas_mp_;
}

const Family_List& font_families() {
  if (!families_mp_) {
    Canvas& c = screen_canvas();
    std::vector<Font_Family> faces;
    c.dc.ops_p->enum_families(c.dc.impl_p, faces);
    families_mp_ = new Family_List(family_list_from_system(faces));
  }
  return *families_mp_;
}

const Font_Family& default_family() {
  if (!default_family_mp_) {
    Canvas& c = screen_canvas();
    Font_Family system;
    Text_Metrics tm;
    c.dc.ops_p->system_font(c.dc.impl_p, system, tm);
    default_family_mp_ = new Font_Family(family_default(font_families(), system.name));
  }
  return *default_family_mp_;
}

const Font_Family& symbol_family() {
  if (!symbol_family_mp_) symbol_family_mp_ = new Font_Family(family_symbol(font_families(), default_family()));
  return *symbol_family_mp_;
}

Font_Family font_family_resolve(std::string_view name, int32_t kind) {
  return family_resolve(font_families(), name, kind, default_family());
}
