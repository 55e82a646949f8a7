// The controller's side of a perform: the lists, news of a change for the
// enclosing window or the modified flag, and the container helpers' checks.
#include <vector>

#include "tests/editor/editor_test_util.h"

namespace {

// Notes every command; a text moves its caret and records a text command
// (and then fails, as a document's refresh may); news from a sub-window gives
// a message naming it.
struct Probe {
  std::vector<int32_t> seen;
  bool fail_q = false, fail_after_q = false;
};

void probe_perform(const Gui_Kind&, void* e, Cmd_Args& args) {
  Probe& p = *static_cast<Probe*>(e);
  p.seen.push_back(args.cmd_p->cmd_n);
  if (p.fail_q) throw Str_Err("probe failed");
  if (args.cmd_p->cmd_n == SUB_CHANGED_CMD)
    args.res_cmd_mp = std::make_unique<Message_Cmd>(Byte_Str("sub"), static_cast<Con_Cmd*>(args.cmd_p)->con_p);
  if (args.cmd_p->cmd_n != TEXT_PARTIAL_CMD) return;
  args.undo.sel_mp = std::make_unique<Sel>(sel_copy(*args.sel_p));
  args.undo.cmd_mp = std::make_unique<Text_Partial_Cmd>(Byte_Str());
  ++args.sel_p->gen_i;
  args.changed_q = true;
  if (p.fail_after_q) throw Str_Err("refresh failed");
}

const Gui_Kind PROBE_KIND = {[](const Gui_Kind&, const void*) { return sel_of(0, 0); }, nullptr, nullptr,
                             probe_perform, [](const Gui_Kind&, const void*) { return Rect{0, 1, 0, 1}; },
                             nullptr, nullptr, nullptr};

}  // namespace

// The random sessions keep the lists' lengths to N_UNDO_MAX; an empty list cannot be undone.
TEST(EditCon, NothingToUndo) {
  Session s(FREE_FIELD, "");
  EXPECT_EQ(check_text([&] { con_undo(s.con); }), "Assertion failed - file edit_con:\rn_elts(from) > 0");
}

TEST(EditCon, ChangesMarkTheDocumentOrTellTheEnclosingWindow) {
  Session top(FREE_FIELD, "b");
  run_step(top, "R0");
  EXPECT_FALSE(top.con.modified_q);
  EXPECT_EQ(std::make_pair(top.log.n_carets, top.log.n_reveals), std::make_pair(1, 1));
  run_step(top, "+a");
  EXPECT_TRUE(top.con.modified_q);
  EXPECT_EQ(top.log.n_carets, 0);  // the redrawn area brings the caret with it

  Probe probe;
  Edit_Con model(PROBE_KIND, &probe);
  Session sub(FREE_FIELD, "");
  sub.con.enclosing_mp = &model;
  Text_Partial_Cmd typed{Byte_Str("x")};
  std::unique_ptr<Cmd> res_mp = con_perform(sub.con, typed, true);
  EXPECT_FALSE(sub.con.modified_q || model.modified_q);
  EXPECT_EQ(probe.seen, std::vector<int32_t>{SUB_CHANGED_CMD});
  ASSERT_TRUE(res_mp && res_mp->cmd_n == MESSAGE_CMD);
  EXPECT_EQ(static_cast<Message_Cmd&>(*res_mp).con_mp, &sub.con);
  con_undo(sub.con);  // an undo changes the document too
  EXPECT_EQ(probe.seen.size(), 2u);
}

TEST(EditCon, AFailedUndoLeavesSelectionAndListsAsTheyWere) {
  Probe probe;
  Edit_Con w(PROBE_KIND, &probe);
  Text_Partial_Cmd typed{Byte_Str("x")};
  con_perform(w, typed, false);
  probe.fail_q = true;
  EXPECT_EQ(message_of([&] { con_undo(w); }), "probe failed");
  EXPECT_EQ(std::make_tuple(w.sel.gen_i, n_elts(w.undo_list), n_elts(w.redo_list)), std::make_tuple(1, 1, 0));
  probe.fail_q = false;
  con_undo(w);  // the record's selection, then its change; the redo record keeps the one before
  EXPECT_EQ(std::make_pair(w.sel.gen_i, sel_mp(w.redo_list[0])->gen_i), std::make_pair(1, 0));
}

// A failure after the change was made keeps the change undoable, and its undo redoable.
TEST(EditCon, AFailureAfterTheChangeKeepsItsRecord) {
  Probe probe;
  Edit_Con w(PROBE_KIND, &probe);
  probe.fail_after_q = true;
  Text_Partial_Cmd typed{Byte_Str("x")};
  EXPECT_EQ(message_of([&] { con_perform(w, typed, false); }), "refresh failed");
  EXPECT_EQ(n_elts(w.undo_list), 1);
  EXPECT_EQ(message_of([&] { con_undo(w); }), "refresh failed");
  EXPECT_EQ(std::make_pair(n_elts(w.undo_list), n_elts(w.redo_list)), std::make_pair(0, 1));
}

TEST(EditCon, ContainerHelpersCheckWhatAPartLeavesBehind) {
  Byte_Str text("a\xB1\x07");
  const Gui_Kind& k = FREE_FIELD.kind;
  EXPECT_TRUE(equal_q(elt_text(k, &text), "a\xB1\x07"));
  Sel s = sel_of(1, 1);
  Cmd all(SELECT_ALL_CMD);
  EXPECT_EQ(perform_for_bounds(k, &text, s, all), EMPTY_RECT);
  EXPECT_EQ(s.gen_i, 3);
  Text_Partial_Cmd typed{Byte_Str("b")};
  EXPECT_EQ(check_text([&] { perform_without_effects(k, &text, s, typed); }),
            "Assertion failed - file gui_kind:\r! nonempty_q(inval_bds0(args)) && ! cmd_mp(undo(args)) && ! changed_q(args)");
  typed.n_consumed = 0;
  EXPECT_EQ(check_text([&] { perform_for_bounds(k, &text, s, typed); }),
            "Assertion failed - file gui_kind:\r! cmd_mp(undo(args)) && ! changed_q(args) && ! res_cmd_mp(args)");
}
