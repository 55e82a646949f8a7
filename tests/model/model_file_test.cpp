// Model documents as files: the exact bytes of a new model, a solved model
// with a table read back as it was, version 1.0 files without parameters,
// every cut-short file failing with one of the reader's messages, and random
// models that read back equal and write the same bytes again.
#include <random>

#include "model/model_file.h"
#include "model/model_kind.h"
#include "model/model_table.h"
#include "tests/model/model_test_util.h"
#include "tests/tables/table_test_util.h"
#include "tests/test_scale.h"
// Its Point is the evaluator's, apart from the canvas's.
namespace random_formulas {
#include "tests/formula/random_formulas.h"
}

namespace {

using namespace std::string_literals;

std::string written(const Math_Model& m) {
  Byte_Str out;
  write_doc(out, MODEL_FILE, &m);
  return text_of(out);
}

struct Read_Back {
  Math_Model* m_mp = nullptr;
  std::string notices, err;
  explicit Read_Back(const std::string& bytes) {
    rec_screen();
    Mem_In_Stream in(bytes.data(), int32_t(bytes.size()));
    try {
      m_mp = static_cast<Math_Model*>(read_doc(in, MODEL_FILE, [&](const std::string& t) { notices += t; }));
    } catch (const Syntax_Err& e) {
      err = e.message();
    }
  }
  ~Read_Back() {
    if (m_mp) MODEL_FILE.release(m_mp);
  }
};

// What a model holds: its text as copied, and what the text leaves out
// (slider states, the Table's titles, the flags).
std::string contents(const Math_Model& m) {
  std::string out = utf8_of(elt_text(MODEL_KIND.kind, const_cast<Math_Model*>(&m)));
  for (const Param_Row& p : m.params)
    out += " [" + std::to_string(p.slider.a) + "," + std::to_string(p.slider.p) + "," + std::to_string(p.slider.w) + "]";
  if (m.table_mp)
    for (int32_t j = 0; j < n_cols(m.table_mp->kind_p->env); ++j) out += " " + utf8_of(table_title(*m.table_mp, j));
  return out + " flags " + std::to_string(m.flags);
}

const std::string NEW_VARS = "\x01\x00\x01x\x03-10\x02" "10\x00" "\x01\x00\x01y\x03-10\x02" "10\x80\x80\xFC\x07"s;

TEST(ModelFile, NewModelBytes) {
  Test_Model t;
  std::string bytes = written(*t.m);
  // Version, the two tables, "y=" as an infix, no parameters, empty Solutions, no Table.
  EXPECT_EQ(bytes, "\x02\x05"s + NEW_VARS + "\x01\x00\x01y\x00\x00\x01=" "\x00" "\x00\x00" "\x00\x00"s);
  Read_Back b(bytes);
  ASSERT_TRUE(b.m_mp) << b.err;
  EXPECT_EQ(b.notices, "");
  EXPECT_EQ(contents(*b.m_mp), "\rx\t-10\t10\t#000000\t\ry\t-10\t10\t#FF0000\ty=\t\t\t\t\t0.500\t\t flags 2");
  EXPECT_EQ(written(*b.m_mp), bytes);
}

// y = a·x² + b·x + c solved, a slider moved, a table of two rows computed.
void solved_model(Math_Model& m) {
  set_constraints(m, "y=a*x^2+b*x+c");
  model_solve(m, false);
  m.params[1].slider = {2000, 7000, 9600};
  assign(m.params[1].value, "-1");
  m.table_mp = data_table_new({Byte_Str("x"), Byte_Str("y"), Byte_Str("~y"), Byte_Str("Notes")}, 2, 1);
  table_set_cell(*m.table_mp, 0, 0, math_cell_new("2"));
  table_set_cell(*m.table_mp, 1, 3, text_field_new("no x"));
  compute_columns(m);
  model_relayout(m);
}

TEST(ModelFile, SolvedModelReadsBackWhole) {
  Test_Model t;
  solved_model(*t.m);
  std::string bytes = written(*t.m);
  Read_Back b(bytes);
  ASSERT_TRUE(b.m_mp) << b.err;
  EXPECT_EQ(contents(*b.m_mp),
            "\rx\t-10\t10\t#000000\t\ry\t-10\t10\t#FF0000\ty=a*x^2+b*x+c\ta = 0   [-10, 10]\rb = -1   [-10, 10]\rc = 0   "
            "[-10, 10]\ty=a*x^2+b*x+c\t\r2\t\t-2.000000\t\r\t\t\tno x\t\t0.500\t\t [5000,5000,19200] [2000,7000,9600] [5000,5000,19200] x y ~y "
            "Notes flags 0");
  EXPECT_EQ(written(*b.m_mp), bytes);
}

TEST(ModelFile, OldVersions) {
  // 1.0: the word, then every section but the Parameters; 2.0 holds them all.
  const std::string old_body = NEW_VARS + "\x01\x00\x01y\x00\x01" "a\x01=" "\x00\x00" "\x00\x00"s;
  Read_Back v10("\x01\x00 Variables"s + old_body);
  ASSERT_TRUE(v10.m_mp) << v10.err;
  EXPECT_EQ(v10.notices, "Converting from file version 1.0");
  EXPECT_EQ(expr_string(v10.m_mp->constraints) + "|" + std::to_string(v10.m_mp->params.size()), "y=a|0");
  Read_Back v20("\x02\x00"s + written(*Test_Model().m).substr(2));
  EXPECT_EQ(v20.notices + "|" + v20.err, "Converting from file version 2.0|");
  EXPECT_EQ(Read_Back("\x01\x00Var"s + old_body).err, "Expected:  Variables");
  EXPECT_EQ(Read_Back("\x02\x06"s).err, "You need to start Corvandile (or Corvandile Veza) version 2.6 or later to read this file.");
}

// Every file cut short fails with one of the reader's messages, and leaves nothing behind.
TEST(ModelFile, CutShortFiles) {
  Test_Model t;
  solved_model(*t.m);
  std::string bytes = written(*t.m);
  for (size_t n = 0; n < bytes.size(); ++n) {
    std::string err = Read_Back(bytes.substr(0, n)).err;
    EXPECT_TRUE(err == "Illegal unsigned" || err == "Illegal int" || err == "Not enough input") << n << ": " << err;
  }
  std::string negative_titles = bytes;
  size_t titles_at = bytes.find("\x04\x01x\x01y\x02~y\x05Notes");
  ASSERT_NE(titles_at, std::string::npos);
  negative_titles.replace(titles_at, 1, "\x80\x80\x80\x80\x08");
  EXPECT_EQ(Read_Back(negative_titles).err, "Syntax Error");
}

// Random models: variables with random names, ranges and colours;
// constraints and solutions typed from random formulas; parameter rows with
// random texts and slider states; a table of random data.
template <size_t N>
std::string pick(std::mt19937_64& rng, const char* const (&from)[N]) { return from[rng() % N]; }

// In x alone, or with y, a and b too.
std::string random_text(std::mt19937_64& rng, bool x_only_q = false) {
  random_formulas::Grammar g = {{"sin", "exp", "abs"}, {"+", "-", "*", "/", "^"}, {"x", "2", "1.5", "_π"}};
  if (!x_only_q) g.leaves.insert(g.leaves.end(), {"y", "a", "b"});
  Ref w = Ref::adopt(prefix_read(random_formulas::random_formula(rng, g, 3).c_str(), test_sym_list()));
  return text_of(expr_text(write_expr(w.get(), test_resolver(), 1e-6)));
}

void random_model(Math_Model& m, std::mt19937_64& rng) {
  static const char* const INDEP[] = {"x", "x t", "t"}, *const DEP[] = {"y", "z", "w"};
  static const char* const NUMBERS[] = {"-10", "0", "1.5", "2e3", "-0.25"}, *const NAMES[] = {"a", "b", "k", ""};
  static const char* const NOTES[] = {"", "ok", "x=1 #2"};
  std::string spec = pick(rng, INDEP) + (rng() % 2 ? " _" : "") + " | " + pick(rng, DEP);
  set_vars(m, spec, pick(rng, NUMBERS).c_str(), "99");
  table_set_cell(var_table(m, DEP_VARS), 0, COLOR_COL, swatch_new(int32_t(rng() % 0x1000000)));
  m.constraints = expr_typed(("y=" + random_text(rng) + (rng() % 2 ? "\r" + random_text(rng) + "=1" : "")).c_str());
  for (int32_t k = int32_t(rng() % 4); k > 0; --k) {
    Param_Row& p = m.params.emplace_back();
    p.name = expr_typed(pick(rng, NAMES).c_str());
    assign(p.low, pick(rng, NUMBERS).c_str());
    assign(p.high, pick(rng, NUMBERS).c_str());
    assign(p.value, pick(rng, NUMBERS).c_str());
    int32_t a = int32_t(rng() % 10002) - 1;
    p.slider = {a, a < 0 || rng() % 2 ? a : int32_t(rng() % 10001), int32_t(192 * (10 + rng() % 9991))};
  }
  std::string dep = utf8_of(cell_text(var_table(m, DEP_VARS), 0, NAME_COL));
  // Two solutions give computed cells of two values in a group.
  if (rng() % 2) m.solutions = expr_typed((dep + "=" + random_text(rng, true) + (rng() % 2 ? "\r" + dep + "=" + random_text(rng, true) : "")).c_str());
  m.flags = expr_empty_q(m.solutions) ? 0x2 : 0;
  if (rng() % 4 == 0) return;
  std::vector<Byte_Str> titles = {cell_text(var_table(m, INDEP_VARS), 0, NAME_COL), Byte_Str(dep.c_str()),
                                  Byte_Str(("~" + dep).c_str()), Byte_Str("Notes")};
  m.table_mp = data_table_new(titles, int32_t(rng() % 4), 1);
  for (int32_t i = 0; i < n_elts(*m.table_mp); ++i) {
    table_set_cell(*m.table_mp, i, int32_t(rng() % 2), math_cell_new(rng() % 2 ? pick(rng, NUMBERS).c_str() : random_text(rng).c_str()));
    table_set_cell(*m.table_mp, i, 3, text_field_new(pick(rng, NOTES).c_str()));
  }
  // As the document's refresh leaves it after every command.
  try {
    compute_columns(m);
  } catch (const Model_Err&) {
  }
  model_relayout(m);
}

TEST(ModelFile, RandomModelsComeBack) {
  std::mt19937_64 rng(22);
  for (long i = 0; i < test_iterations(150); ++i) {
    Test_Model t;
    random_model(*t.m, rng);
    std::string bytes = written(*t.m);
    Read_Back b(bytes);
    ASSERT_TRUE(b.m_mp) << i << ": " << b.err;
    ASSERT_EQ(contents(*b.m_mp), contents(*t.m)) << i;
    ASSERT_EQ(written(*b.m_mp), bytes) << i;
  }
}

}  // namespace
