// Model documents as files: the bytes of a new model, a solved one with a
// table, version 1.0 files, every file cut short, and random models, each
// read back equal and written again to the same bytes.
#include <random>

#include "model/model_file.h"
#include "model/model_kind.h"
#include "model/model_table.h"
#include "tests/bytes_of.h"
#include "tests/model/model_test_util.h"
#include "tests/tables/table_test_util.h"
namespace random_formulas {  // its Point is the evaluator's, apart from the canvas's
#include "tests/formula/random_formulas.h"
}

namespace {

using namespace std::string_literals;

std::string file_of(const void* m) { return written([&](Byte_Str& out) { write_doc(out, MODEL_FILE, m); }); }

// A model's text as copied, and what the text leaves out: slider states, the Table's titles, the flags, the graph's colour.
std::string contents(const void* doc) {
  const Math_Model& m = *static_cast<const Math_Model*>(doc);
  std::string out = utf8_of(elt_text(MODEL_KIND.kind, const_cast<void*>(doc)));
  for (const Param_Row& p : m.params) out += " " + std::to_string(p.slider.a) + "," + std::to_string(p.slider.p) + "," + std::to_string(p.slider.w);
  for (int32_t j = 0; m.table_mp && j < n_cols(m.table_mp->kind_p->env); ++j) out += " " + utf8_of(table_title(*m.table_mp, j));
  return out + " flags " + std::to_string(m.flags) + " graph " + std::to_string(m.graphs_p->dep_sym_vs[0].colour);
}

// The notices and the contents of the model read, or the message; again_mp gets the model written again.
std::string read_back(const std::string& bytes, std::string* again_mp = nullptr) {
  rec_screen();
  Mem_In_Stream in(bytes.data(), int32_t(bytes.size()));
  std::string said;
  try {
    std::unique_ptr<void, void (*)(void*)> d(read_doc(in, MODEL_FILE, [&](const std::string& t) { said += t + ";"; }), MODEL_FILE.release);
    if (again_mp) *again_mp = file_of(d.get());
    return said + contents(d.get());
  } catch (const Syntax_Err& e) {
    return said + e.message();
  }
}

void expect_comes_back(const std::string& bytes, const std::string& want, const std::string& what = "") {
  std::string again;
  EXPECT_EQ(read_back(bytes, &again), want) << what;
  EXPECT_EQ(again, bytes) << what;
}

const std::string NEW_VARS = "\x01\x00\x01x\x03-10\x02" "10\x00\x01\x00\x01y\x03-10\x02" "10\x80\x80\xFC\x07"s;
const std::string VARS_TEXT = "\rx\t-10\t10\t#000000\t\ry\t-10\t10\t";

TEST(ModelFile, NewAndSolvedModels) {
  Test_Model t;
  // The tables, "y=" as an infix, no parameters, empty Solutions, no Table.
  EXPECT_EQ(file_of(t.m), "\x02\x05"s + NEW_VARS + "\x01\x00\x01y\x00\x00\x01=\x00\x00\x00\x00\x00"s);
  expect_comes_back(file_of(t.m), VARS_TEXT + "#FF0000\ty=\t\t\t\t\t0.500\t\t flags 2 graph 16711680");
  // Solved, a slider moved, y blue, a table of two rows computed.
  set_constraints(*t.m, "y=a*x^2+b*x+c");
  model_solve(*t.m, false);
  t.m->params[1].slider = {2000, 7000, 9600};
  assign(t.m->params[1].value, "-1");
  table_set_cell(var_table(*t.m, DEP_VARS), 0, COLOR_COL, swatch_new(0x0000FF));
  t.m->table_mp = xy_table(2);
  table_set_cell(*t.m->table_mp, 0, 0, math_cell_new("2"));
  compute_columns(*t.m, read_model(*t.m, READ_SOLUTIONS));
  expect_comes_back(file_of(t.m), VARS_TEXT + "#0000FF\ty=a*x^2+b*x+c\ta = 0   [-10, 10]\rb = -1   [-10, 10]\rc = 0   [-10, 10]\t"
                                              "y=a*x^2+b*x+c\t\r2\t\t-2.000000\t\r\t\t\t\t\t0.500\t\t 5000,5000,19200 "
                                              "2000,7000,9600 5000,5000,19200 x y ~y Notes flags 0 graph 255");
  // The Table: titles, then rows of cells; x, y and ~y expressions, the notes texts.
  std::string bytes = file_of(t.m);
  EXPECT_EQ(bytes.substr(bytes.find("\x04\x01x\x01y")), "\x04\x01x\x01y\x02~y\x05Notes\x02\x00\x01" "2\x00\x00\x00\x09-2.000000\x00\x00\x00\x00\x00\x00\x00\x00"s);
  // Damaged files: each change gives its message.
  const std::tuple<std::string, std::string, std::string> damages[] = {
      {"\x04\x01x", "\x80\x80\x80\x80\x08\x01x", "Syntax Error"},  // 2^31 titles
      {"\x04\x01x\x01y\x02~y\x05Notes", "\x00"s, "Syntax Error"},  // rows without columns
      {"10\xFF\x01", "10\x80\x80\x80\x08", "Syntax Error"},         // colour 2^24
      {"\x03-10", "\x03" "1 2", "Syntax Error"},                      // a blank in a number
      {"\x03-10", "\x03-\x00" "1"s, "Illegal character string"},
      {"\x01+", "\x01?", "Infix operator not found:  ?"},
  };
  for (const auto& [from, to, want] : damages) EXPECT_EQ(read_back(std::string(bytes).replace(bytes.find(from), from.size(), to)), want) << to;
  // A slider with one thumb hidden and not the other shows none.
  EXPECT_NE(read_back(std::string(bytes).replace(bytes.find("\x88\x27\x88\x27"), 4, "\x7F\x88\x27")).find(" -1,-1,19200 "), std::string::npos);
  // Every file cut short fails with a reader's message.
  for (size_t n = 0; n < bytes.size(); ++n) {
    std::string said = read_back(bytes.substr(0, n));
    EXPECT_TRUE(said == "Illegal unsigned" || said == "Illegal int" || said == "Not enough input") << n << ": " << said;
  }
}

TEST(ModelFile, VersionOneFiles) {
  // The word, then every section but the Parameters.
  const std::string body = NEW_VARS + "\x01\x00\x01y\x00\x01" "a\x01=\x00\x00\x00\x00"s, converting = "Converting from file version 1.0;";
  EXPECT_EQ(read_back("\x01\x00 Variables"s + body), converting + VARS_TEXT + "#FF0000\ty=a\t\t\t\t\t0.500\t\t flags 2 graph 16711680");
  EXPECT_EQ(read_back("\x01\x00Var"s + body), converting + "Expected:  Variables");
}

// Random models: variables of random names and ranges, constraints and
// solutions typed from random formulas, parameter rows of random texts and
// slider states, a table of random data and its computed columns.
template <size_t N>
std::string pick(std::mt19937_64& rng, const char* const (&from)[N]) { return from[rng() % N]; }

std::string random_text(std::mt19937_64& rng, bool x_only_q = false) {
  random_formulas::Grammar g = {{"sin", "exp", "abs"}, {"+", "-", "*", "/", "^"}, {"x", "2", "1.5", "_π"}};
  if (!x_only_q) g.leaves.insert(g.leaves.end(), {"y", "a", "b"});
  Ref w = Ref::adopt(prefix_read(random_formulas::random_formula(rng, g, 3).c_str(), test_sym_list()));
  return text_of(expr_text(write_expr(w.get(), test_resolver(), 1e-6)));
}

void random_model(Math_Model& m, std::mt19937_64& rng) {
  static const char* const INDEP[] = {"x", "x t", "t"}, *const DEP[] = {"y", "z"}, *const NOTES[] = {"", "x=1 #2"};
  static const char* const NUMBERS[] = {"-10", "0", "1.5", "2e3", ""}, *const NAMES[] = {"a", "b", "k", ""};
  std::string dep = pick(rng, DEP);
  set_vars(m, pick(rng, INDEP) + (rng() % 2 ? " _" : "") + " | " + dep, pick(rng, NUMBERS).c_str(), "99");
  m.constraints = expr_typed(("y=" + random_text(rng) + (rng() % 2 ? "\r" + random_text(rng) + "=1" : "")).c_str());
  for (int32_t k = int32_t(rng() % 4); k > 0; --k) {
    Param_Row& p = m.params.emplace_back();
    p.name = expr_typed(pick(rng, NAMES).c_str());
    for (Byte_Str* t : {&p.low, &p.high, &p.value}) assign(*t, pick(rng, NUMBERS).c_str());
    int32_t a = int32_t(rng() % 10002) - 1;
    p.slider = {a, a < 0 || rng() % 2 ? a : int32_t(rng() % 10001), int32_t(192 * (10 + rng() % 9991))};
  }
  // Two solutions give computed cells of two values in a group.
  if (rng() % 2) m.solutions = expr_typed((dep + "=" + random_text(rng, true) + (rng() % 2 ? "\r" + dep + "=x" : "")).c_str());
  m.flags = expr_empty_q(m.solutions) ? 0x2 : 0;
  if (rng() % 4 == 0) return;
  m.table_mp = data_table_new({cell_text(var_table(m, INDEP_VARS), 0, NAME_COL), Byte_Str(dep.c_str()),
                               Byte_Str(("~" + dep).c_str()), Byte_Str("Notes")}, int32_t(rng() % 4), 1);
  for (int32_t i = 0; i < n_elts(*m.table_mp); ++i) {
    table_set_cell(*m.table_mp, i, int32_t(rng() % 2), math_cell_new(rng() % 2 ? pick(rng, NUMBERS).c_str() : random_text(rng).c_str()));
    table_set_cell(*m.table_mp, i, 3, text_field_new(pick(rng, NOTES).c_str()));
  }
  try {
    compute_columns(m, read_model(m, READ_SOLUTIONS));  // as the document's refresh after every command leaves them
  } catch (const Model_Err&) {
  }
}

TEST(ModelFile, RandomModelsComeBack) {
  std::mt19937_64 rng(22);
  for (long i = 0; i < test_iterations(150); ++i) {
    Test_Model t;
    random_model(*t.m, rng);
    model_relayout(*t.m);
    expect_comes_back(file_of(t.m), contents(t.m), std::to_string(i));
  }
}

}  // namespace
