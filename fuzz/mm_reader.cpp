// The model file reader on arbitrary bytes, handed out in small refills: a
// model document either reads, and then draws and writes back bytes that
// read and write again unchanged, or fails with one of the reader's own
// messages. Never a crash or a leak. The input's first byte chooses the
// refill size; the file's bytes follow.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/model_file.h"
#include "model/model_kind.h"
#include "tests/core/chunk_stream.h"
#include "tests/draw/rec_screen.h"
#include "tests/draw/unit_canvas.h"

namespace {

void require(bool ok_q) {
  if (!ok_q) std::abort();
}

bool starts_q(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

bool known_message_q(const std::string& m) {
  for (const char* whole : {"Illegal unsigned", "Illegal int", "Illegal character string", "Syntax Error",
                            "Not enough input", "Expected:  Variables"})
    if (m == whole) return true;
  return starts_q(m, "Infix operator not found:  ") ||
         (starts_q(m, "You need to start Corvandile (or Corvandile Veza) version ") &&
          m.size() > 28 && m.compare(m.size() - 28, 28, " or later to read this file.") == 0);
}

std::string written(const void* doc) {
  Byte_Str out;
  write_doc(out, MODEL_FILE, doc);
  return std::string(out.first_p, size_t(n_elts(out)));
}

std::string read_and_write(const std::string& bytes, size_t chunk) {
  Chunk_Stream s(bytes, chunk);
  std::unique_ptr<void, void (*)(void*)> doc(read_doc(s, MODEL_FILE, nullptr), MODEL_FILE.release);
  static Unit_Canvas* canvas_p = new Unit_Canvas();
  MODEL_KIND.kind.draw(MODEL_KIND.kind, doc.get(), canvas_p->canvas, {0, 0});
  canvas_p->take();
  return written(doc.get());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  rec_screen();
  if (size < 1) return 0;
  size_t chunk = 1 + data[0] % 16;
  std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::string once;
  try {
    once = read_and_write(bytes, chunk);
  } catch (const Syntax_Err& e) {
    require(known_message_q(e.message()));
    return 0;
  }
  // What was read writes as the current version, which reads back to itself.
  require(read_and_write(once, 4096) == once);
  return 0;
}
