// Model documents as files: the exact bytes of a new model, a solved model
// with a table read back as it was, version 1.0 files without parameters,
// every cut-short file failing with a reader's message, and random models
// that read back equal and write the same bytes again.
#include <random>

#include "model/model_file.h"
#include "model/model_kind.h"
#include "model/model_table.h"
#include "tests/bytes_of.h"
#include "tests/model/model_test_util.h"
#include "tests/tables/table_test_util.h"
// Its Point is the evaluator's, apart from the canvas's.
namespace random_formulas {
#include "tests/formula/random_formulas.h"
}

namespace {

using namespace std::string_literals;
using Doc_Hold = std::unique_ptr<void, void (*)(void*)>;

std::string file_bytes(const void* m) {
  return written([&](Byte_Str& out) { write_doc(out, MODEL_FILE, m); });
}

// The model in bytes, the notices and the message (when it fails) in said.
Doc_Hold read_back(const std::string& bytes, std::string& said) {
  rec_screen();
  Mem_In_Stream in(bytes.data(), int32_t(bytes.size()));
  try {
    return Doc_Hold(read_doc(in, MODEL_FILE, [&](const std::string& t) { said += t + ";"; }), MODEL_FILE.release);
  } catch (const Syntax_Err& e) {
    said += e.message();
    return Doc_Hold(nullptr, MODEL_FILE.release);
  }
}

// A model's text as copied, and what the text leaves out: slider states, the Table's titles, the flags.
std::string contents(const void* doc) {
  const Math_Model& m = *static_cast<const Math_Model*>(doc);
  std::string out = utf8_of(elt_text(MODEL_KIND.kind, const_cast<void*>(doc)));
  for (const Param_Row& p : m.params) out += " " + std::to_string(p.slider.a) + "," + std::to_string(p.slider.p) + "," + std::to_string(p.slider.w);
  for (int32_t j = 0; m.table_mp && j < n_cols(m.table_mp->kind_p->env); ++j) out += " " + utf8_of(table_title(*m.table_mp, j));
  return out + " flags " + std::to_string(m.flags);
}

// Reads bytes back: the contents, then the same bytes written again.
void expect_comes_back(const std::string& bytes, const std::string& want, const std::string& what = "") {
  std::string said;
  Doc_Hold d = read_back(bytes, said);
  ASSERT_TRUE(d) << what << said;
  EXPECT_EQ(contents(d.get()), want) << what;
  EXPECT_EQ(file_bytes(d.get()), bytes) << what;
}

const std::string NEW_VARS = "\x01\x00\x01x\x03-10\x02" "10\x00\x01\x00\x01y\x03-10\x02" "10\x80\x80\xFC\x07"s;
const std::string VARS_TEXT = "\rx\t-10\t10\t#000000\t\ry\t-10\t10\t#FF0000\t";
const std::string BLUE_VARS_TEXT = "\rx\t-10\t10\t#000000\t\ry\t-10\t10\t#0000FF\t";

TEST(ModelFile, NewAndSolvedModels) {
  Test_Model t;
  // The tables, "y=" as an infix, no parameters, empty Solutions, no Table.
  EXPECT_EQ(file_bytes(t.m), "\x02\x05"s + NEW_VARS + "\x01\x00\x01y\x00\x00\x01=\x00\x00\x00\x00\x00"s);
  expect_comes_back(file_bytes(t.m), VARS_TEXT + "y=\t\t\t\t\t0.500\t\t flags 2");
  // Solved, a slider moved, a table of two rows computed.
  set_constraints(*t.m, "y=a*x^2+b*x+c");
  model_solve(*t.m, false);
  t.m->params[1].slider = {2000, 7000, 9600};
  assign(t.m->params[1].value, "-1");
  table_set_cell(var_table(*t.m, DEP_VARS), 0, COLOR_COL, swatch_new(0x0000FF));
  t.m->table_mp = xy_table(2);
  table_set_cell(*t.m->table_mp, 0, 0, math_cell_new("2"));
  compute_columns(*t.m);
  std::string said;
  EXPECT_EQ(static_cast<Math_Model*>(read_back(file_bytes(t.m), said).get())->graphs_p->dep_sym_vs[0].colour, 0x0000FF);
  expect_comes_back(file_bytes(t.m), BLUE_VARS_TEXT + "y=a*x^2+b*x+c\ta = 0   [-10, 10]\rb = -1   [-10, 10]\rc = 0   [-10, 10]\t"
                                              "y=a*x^2+b*x+c\t\r2\t\t-2.000000\t\r\t\t\t\t\t0.500\t\t 5000,5000,19200 "
                                              "2000,7000,9600 5000,5000,19200 x y ~y Notes flags 0");
  // Every file cut short fails with a reader's message, leaving nothing behind.
  std::string bytes = file_bytes(t.m);
  for (size_t n = 0; n < bytes.size(); ++n) {
    said.clear();
    EXPECT_FALSE(read_back(bytes.substr(0, n), said));
    EXPECT_TRUE(said == "Illegal unsigned" || said == "Illegal int" || said == "Not enough input") << n << ": " << said;
  }
}

TEST(ModelFile, VersionOneFiles) {
  // The word, then every section but the Parameters.
  const std::string body = NEW_VARS + "\x01\x00\x01y\x00\x01" "a\x01=\x00\x00\x00\x00"s;
  std::string said;
  Doc_Hold d = read_back("\x01\x00 Variables"s + body, said);
  EXPECT_EQ(said + contents(d.get()), "Converting from file version 1.0;" + VARS_TEXT + "y=a\t\t\t\t\t0.500\t\t flags 2");
  said.clear();
  EXPECT_FALSE(read_back("\x01\x00Var"s + body, said));
  EXPECT_EQ(said, "Converting from file version 1.0;Expected:  Variables");
}

// Random models: variables of random names, ranges and colours; constraints
// and solutions typed from random formulas; parameter rows of random texts
// and slider states; a table of random data and its computed columns.
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
  set_vars(m, pick(rng, INDEP) + (rng() % 2 ? " _" : "") + " | " + pick(rng, DEP), pick(rng, NUMBERS).c_str(), "99");
  table_set_cell(var_table(m, DEP_VARS), 0, COLOR_COL, swatch_new(int32_t(rng() % 0x1000000)));
  m.constraints = expr_typed(("y=" + random_text(rng) + (rng() % 2 ? "\r" + random_text(rng) + "=1" : "")).c_str());
  for (int32_t k = int32_t(rng() % 4); k > 0; --k) {
    Param_Row& p = m.params.emplace_back();
    p.name = expr_typed(pick(rng, NAMES).c_str());
    for (Byte_Str* t : {&p.low, &p.high, &p.value}) assign(*t, pick(rng, NUMBERS).c_str());
    int32_t a = int32_t(rng() % 10002) - 1;
    p.slider = {a, a < 0 || rng() % 2 ? a : int32_t(rng() % 10001), int32_t(192 * (10 + rng() % 9991))};
  }
  // Two solutions give computed cells of two values in a group.
  std::string dep = utf8_of(cell_text(var_table(m, DEP_VARS), 0, NAME_COL)), x_eq = dep + "=";
  if (rng() % 2) m.solutions = expr_typed((x_eq + random_text(rng, true) + (rng() % 2 ? "\r" + x_eq + "x" : "")).c_str());
  m.flags = expr_empty_q(m.solutions) ? 0x2 : 0;
  if (rng() % 4 == 0) return;
  m.table_mp = data_table_new({cell_text(var_table(m, INDEP_VARS), 0, NAME_COL), Byte_Str(dep.c_str()),
                               Byte_Str(("~" + dep).c_str()), Byte_Str("Notes")}, int32_t(rng() % 4), 1);
  for (int32_t i = 0; i < n_elts(*m.table_mp); ++i) {
    table_set_cell(*m.table_mp, i, int32_t(rng() % 2), math_cell_new(rng() % 2 ? pick(rng, NUMBERS).c_str() : random_text(rng).c_str()));
    table_set_cell(*m.table_mp, i, 3, text_field_new(pick(rng, NOTES).c_str()));
  }
  try {
    compute_columns(m);  // as the document's refresh after every command leaves them
  } catch (const Model_Err&) {
  }
}

TEST(ModelFile, RandomModelsComeBack) {
  std::mt19937_64 rng(22);
  for (long i = 0; i < test_iterations(150); ++i) {
    Test_Model t;
    random_model(*t.m, rng);
    model_relayout(*t.m);
    expect_comes_back(file_bytes(t.m), contents(t.m), std::to_string(i));
  }
}

}  // namespace
