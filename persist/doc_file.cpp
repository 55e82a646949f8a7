#include "persist/doc_file.h"

#include <memory>

#include "core/text_read.h"
#include "persist/mm_version.h"

void write_doc(Out_Stream& out, const Doc_File_Kind& k, const void* doc) {
  write_mm_version(out);
  for (int32_t i = 0; i < k.n_sections; ++i)
    k.sections_p[i].write(out, k.section(const_cast<void*>(doc), i));
}

namespace {

void read_section(Doc_In& din, const Doc_File_Kind& k, void* doc, int32_t i) {
  CHECK(0 <= i && i < k.n_sections);
  k.sections_p[i].read(din, k.section(doc, i));
}

}  // namespace

void* read_doc(In_Stream& in, const Doc_File_Kind& k, const Notice_Fn& notice_mp) {
  Mm_Version v = read_mm_version(in);
  if (v.format_i < MM_FORMAT_I && notice_mp) notice_mp(mm_converting_text(v));
  auto drop = [&k](void* d) { k.release(d); };
  std::unique_ptr<void, decltype(drop)> doc(k.make_empty(), drop);
  Doc_In din = {in, v.format_i};
  if (v.format_i == MM_OLD_FORMAT_I) {
    expect_text(in, k.old_word);
    for (int32_t j = 0; j < k.n_old; ++j) read_section(din, k, doc.get(), k.old_order_p[j]);
  } else {
    for (int32_t i = 0; i < k.n_sections; ++i) read_section(din, k, doc.get(), i);
  }
  if (k.finish_read) k.finish_read(doc.get());
  return doc.release();
}
