// A document as a file: the version header, then the payloads of the
// document's sections one after the other. Each document kind says how its
// sections are written and read; this file fixes the header, the version
// rules and the order of the sections in every format.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "core/byte_str.h"
#include "core/in_stream.h"

// What a section reader sees: the bytes, and the format index of the file's
// version, by which older payloads are told apart.
struct Doc_In {
  In_Stream& in;
  int32_t format_i;
};

// One section's payload: write from, and read into, the section's content.
struct Section_Io {
  void (*write)(Out_Stream& out, const void* section);
  void (*read)(Doc_In& in, void* section);
};

// A document kind as files see it. Documents are made empty, then each
// section present in the file's format is read into its slot.
struct Doc_File_Kind {
  int32_t n_sections;
  const Section_Io* sections_p;  // n_sections of them, in file order
  // Version 1.0 files: the word in front and the sections they hold, in
  // order; the others stay as make_empty left them.
  const char* old_word;
  const int32_t* old_order_p;
  int32_t n_old;
  void* (*make_empty)();
  void* (*section)(void* doc, int32_t i);
  // After the whole body: what the document derives from its sections.
  void (*finish_read)(void* doc);
  void (*release)(void* doc);
  // Whether a file numbered one after and one before the document's own is
  // beside it, for its Next File and Previous File buttons; may be null.
  void (*neighbours)(void* doc, bool next_q, bool prev_q);
};

// Header 2.5 and every section.
void write_doc(Out_Stream& out, const Doc_File_Kind& k, const void* doc);

// Shown (when the caller asks) before a file of an older version is read.
typedef std::function<void(const std::string& text)> Notice_Fn;

// A new document read from the header on; an older version is announced
// through notice_mp first. Raises Syntax_Err for an unknown version or a
// damaged body, and then nothing is left behind.
void* read_doc(In_Stream& in, const Doc_File_Kind& k, const Notice_Fn& notice_mp);
