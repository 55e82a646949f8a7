#include <algorithm>

#include "editor/text_chars.h"
#include "editor/text_field.h"

namespace {

bool valid_q(const Text_Opts& o, const Byte_Str& t) { return !o.valid_q || o.valid_q(t.first_p, n_elts(t)); }

// The text after replacing [j, k) by the command's unconsumed characters,
// and the consumed count after it; false when the text would be invalid.
// With everything selected the longest valid run of characters is taken
// instead, so that pasting over a field never fails.
bool typed_text(const Byte_Str& t, const Text_Opts& o, int32_t j, int32_t k, const Text_Partial_Cmd& c,
                Byte_Str& out, int32_t& n_consumed) {
  const char* in_p = c.text.first_p + c.n_consumed;
  const char* end_p = c.text.write_p;
  if (j == 0 && k == n_elts(t)) {
    while (in_p < end_p) {
      const char* next_p = in_p;
      skip_code_point(next_p, end_p);
      append(out, in_p, int32_t(next_p - in_p));
      if (!valid_q(o, out)) {
        set_length(out, n_elts(out) - int32_t(next_p - in_p));
        break;
      }
      in_p = next_p;
    }
    n_consumed = int32_t(in_p - c.text.first_p);
    return true;
  }
  append(out, t.first_p, j);
  append(out, in_p, int32_t(end_p - in_p));
  append(out, t.first_p + k, n_elts(t) - k);
  n_consumed = n_elts(c.text);
  return valid_q(o, out);
}

// Typing right after the previous typing, or deleting its last character
// (or the one before its start) extends the previous record.
bool merge_q(const Byte_Str& t, int32_t j, int32_t k, const Cmd_Args& args) {
  return args.prev_undo_sel_p && args.prev_undo_cmd_p && args.prev_undo_cmd_p->cmd_n == TEXT_PARTIAL_CMD &&
         k == args.prev_undo_sel_p->gen_i && (j == k || char_after_i(t, j) == k);
}

void record_undo(const Byte_Str& t, int32_t j, int32_t k, int32_t n_inserted, int32_t n_new, Cmd_Args& args) {
  if (!merge_q(t, j, k, args)) {
    args.undo.sel_mp = std::make_unique<Sel>(sel_of(j, j + n_inserted));
    args.undo.cmd_mp = std::make_unique<Text_Partial_Cmd>(Byte_Str(t.first_p + j, k - j));
    return;
  }
  Sel& prev = *args.prev_undo_sel_p;
  if (j < prev.anchor_i) {
    // Backspace past the start of the earlier typing: what it deletes goes
    // back in front of what the record restores.
    CHECK(k == anchor_i(*prev_undo_sel_p(args)));
    Byte_Str& restored = static_cast<Text_Partial_Cmd&>(*args.prev_undo_cmd_p).text;
    insert(restored, 0, Byte_Str(t.first_p + j, k - j));
    prev.anchor_i = j;
  }
  prev.gen_i += n_new - n_elts(t);
}

}  // namespace

int32_t text_typing_query(const Byte_Str& t, const Text_Opts& o, const Sel& s, Text_Partial_Cmd& c) {
  int32_t j = std::min(s.anchor_i, s.gen_i), k = std::max(s.anchor_i, s.gen_i);
  if (j == k && c.n_consumed >= n_elts(c.text)) return QUERY_PASSED;
  Byte_Str out;
  int32_t n_consumed;
  if (!typed_text(t, o, j, k, c, out, n_consumed)) return QUERY_REFUSED;
  c.n_consumed = n_consumed;
  return o.accept_n;
}

void text_type(Byte_Str& t, const Text_Opts& o, Cmd_Args& args) {
  Sel& s = *args.sel_p;
  Text_Partial_Cmd& c = static_cast<Text_Partial_Cmd&>(*args.cmd_p);
  int32_t j = std::min(s.anchor_i, s.gen_i), k = std::max(s.anchor_i, s.gen_i), n0 = n_elts(t);
  CHECK(0 <= j && k <= n0);
  // An aligned text moves as a whole when its alignment point moves.
  int32_t from_i = o.align_i ? 0 : j;
  Byte_Str out;
  int32_t n_consumed;
  if (!typed_text(t, o, j, k, c, out, n_consumed)) throw Str_Err("Illegal text string");
  inval_add(args, text_extent(t, o, from_i));
  int32_t n_inserted = n_elts(out) - j - (n0 - k);
  // A later part of a text shared out over several parts records nothing:
  // the first part's record covers the whole edit.
  if (c.n_consumed == 0) record_undo(t, j, k, n_inserted, n_elts(out), args);
  c.n_consumed = n_consumed;
  t = std::move(out);
  s = sel_of(j + n_inserted, j + n_inserted);
  inval_add(args, text_extent(t, o, from_i));
  args.changed_q = true;
}
