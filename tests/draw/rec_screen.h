// The recording substitute installed as the screen, once per test program:
// 96 dpi, with the families of rec_device_new.
#pragma once
#include "draw/rec_device.h"
#include "draw/screen.h"

inline Rec_Device& rec_screen() {
  static Rec_Device* screen_mp = nullptr;
  if (!screen_mp) {
    screen_mp = new Rec_Device(rec_device_new(96, 1024, 768));
    screen_device_install(rec_device(*screen_mp));
  }
  return *screen_mp;
}
