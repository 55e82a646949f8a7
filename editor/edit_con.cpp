#include "editor/edit_con.h"

#include <exception>

namespace {

constexpr int32_t MARGIN = 576;

Undo_Rec* undo_rec_new() { return new Undo_Rec(); }
void undo_rec_delete(Undo_Rec* r) { delete r; }

void file_record(Undo_List& list, Undo_Rec& r) {
  if (n_elts(list) == N_UNDO_MAX) erase(list, 0);
  append(list, new Undo_Rec(std::move(r)));
}

// What follows a perform that succeeded: redraw, news of the change, reveal.
std::unique_ptr<Cmd> after_perform(Edit_Con& w, Cmd_Args& args, bool reveal_q) {
  const Con_Window_Ops* ops_mp = w.window_ops_mp;
  if (nonempty_q(args.inval_bds0)) {
    if (ops_mp) ops_mp->invalidate(w, rect_shift(args.inval_bds0, w.origin));
  } else if (ops_mp) {
    ops_mp->caret_moved(w);
  }
  if (args.changed_q) {
    if (w.enclosing_mp) {
      Con_Cmd changed(SUB_CHANGED_CMD, &w);
      // The shell keeps only the newest result.
      std::unique_ptr<Cmd> res_mp = con_perform(*w.enclosing_mp, changed, false);
      if (res_mp) args.res_cmd_mp = std::move(res_mp);
    } else {
      w.modified_q = true;
    }
  }
  if ((reveal_q || args.reveal_q) && ops_mp) ops_mp->reveal(w, con_sel_bounds(w));
  return std::move(args.res_cmd_mp);
}

// Performs the command. A failure before any change raises at once; one after
// the change was made (the document's refresh) is handed back, so that the
// change's record is filed before it is raised.
std::exception_ptr perform_keeping_change(Edit_Con& w, Cmd_Args& args) {
  try {
    w.kind_p->perform(*w.kind_p, w.content_p, args);
  } catch (...) {
    if (!args.undo.cmd_mp) throw;
    return std::current_exception();
  }
  return nullptr;
}

// The newest record of from is performed with its selection; the record
// that perform makes goes to to. Nothing merges: no previous record is offered.
std::unique_ptr<Cmd> replay(Edit_Con& w, Undo_List& from, Undo_List& to) {
  CHECK(n_elts(from) > 0);
  Undo_Rec& rec = from[n_elts(from) - 1];
  if (rec.sel_mp) std::swap(w.sel, *rec.sel_mp);
  Cmd_Args args(w.sel, *rec.cmd_mp);
  std::exception_ptr failure;
  try {
    failure = perform_keeping_change(w, args);
  } catch (...) {
    if (rec.sel_mp) std::swap(w.sel, *rec.sel_mp);
    throw;
  }
  if (args.undo.cmd_mp) file_record(to, args.undo);
  erase(from, n_elts(from) - 1);
  std::unique_ptr<Cmd> res = after_perform(w, args, true);
  if (failure) std::rethrow_exception(failure);
  return res;
}

}  // namespace

Edit_Con::Edit_Con(const Gui_Kind& k, void* content)
    : kind_p(&k), content_p(content), sel(k.initial_sel(k, content)),
      undo_list(undo_rec_new, undo_rec_delete), redo_list(undo_rec_new, undo_rec_delete) {
  Rect b = k.bounds(k, content);
  origin = {MARGIN - b.x0, -MARGIN - b.y1};
}

Edit_Con::~Edit_Con() {
  if (kind_p->release) kind_p->release(*kind_p, content_p);
}

int32_t con_query(Edit_Con& w, Cmd& c) { return w.kind_p->query(*w.kind_p, w.content_p, w.sel, c); }

std::unique_ptr<Cmd> con_perform(Edit_Con& w, Cmd& c, bool reveal_q) {
  Cmd_Args args(w.sel, c);
  if (n_elts(w.undo_list) > 0 && n_elts(w.redo_list) == 0) {
    Undo_Rec& newest = w.undo_list[n_elts(w.undo_list) - 1];
    args.prev_undo_sel_p = newest.sel_mp.get();
    args.prev_undo_cmd_p = newest.cmd_mp.get();
  }
  std::exception_ptr failure = perform_keeping_change(w, args);
  if (args.undo.cmd_mp) {
    file_record(w.undo_list, args.undo);
    set_length(w.redo_list, 0);
  }
  std::unique_ptr<Cmd> res = after_perform(w, args, reveal_q);
  if (failure) std::rethrow_exception(failure);
  return res;
}

std::unique_ptr<Cmd> con_undo(Edit_Con& w) { return replay(w, w.undo_list, w.redo_list); }

std::unique_ptr<Cmd> con_redo(Edit_Con& w) { return replay(w, w.redo_list, w.undo_list); }

bool con_type(Edit_Con& w, const Byte_Str& text) {
  Text_Partial_Cmd c{Byte_Str(text)};
  if (con_query(w, c) <= 0 || c.n_consumed < n_elts(c.text)) return false;
  c.n_consumed = 0;
  con_perform(w, c, true);
  return true;
}

void con_delete(Edit_Con& w, bool back_q) {
  Text_Partial_Cmd empty{Byte_Str()};
  if (con_query(w, empty) <= 0) {
    Arrow_Cmd step(back_q ? Arrow_Cmd::LEFT : Arrow_Cmd::RIGHT, SHIFT_MOD);
    con_perform(w, step, true);
  }
  if (con_query(w, empty) > 0) con_perform(w, empty, true);
}

Rect con_sel_bounds(const Edit_Con& w) {
  return bounds_shift(w.kind_p->sel_bounds(*w.kind_p, w.content_p, w.sel), w.origin);
}
