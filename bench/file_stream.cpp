// The file streams against plain write and read of the same bytes, in the
// same run: ours puts and takes one byte at a time, as the encoders and
// decoders do (and puts whole blocks, as strings go), and closes with a sync; the reference makes 4096-byte calls
// and syncs too. The file lives in memory (/dev/shm when there is one) so
// the figure is the streams' own cost, not the disk's.
#include <fcntl.h>
#include <unistd.h>

#include <string>

#include "bench/bench_size.h"
#include "bench/ratio_reporter.h"
#include "core/byte_streams.h"
#include "core/code_point.h"
#include "persist/persist.h"

namespace {

std::string bench_path() { return access("/dev/shm", W_OK) == 0 ? "/dev/shm/veza_bench_file" : "/tmp/veza_bench_file"; }

// Binary bytes, or internal text of one ASCII character in four and the rest
// Greek and mathematical signs.
std::string content(long n, bool text_q) {
  std::string s;
  char buf[CODE_POINT_MAX_BYTES];
  for (uint32_t i = 0; long(s.size()) < n; ++i) {
    if (!text_q) s += char(i * 2654435761u >> 24);
    else s.append(buf, put_code_point(buf, i % 4 == 0 ? 'a' + i % 26 : 0x3B1 + i % 500 * 16));
  }
  s.resize(size_t(n - 1));
  s += 'z';
  return s;
}

// By single bytes as the encoders write, or in one block as strings are.
void write_ours(const std::string& bytes, int32_t flags, bool block_q = false) {
  File_Out out(bench_path().c_str(), flags);
  if (block_q) put_bytes(out, bytes.data(), int32_t(bytes.size()));
  else for (char c : bytes) put_byte(out, c);
  close(out);
}

long read_ours(int32_t flags) {
  File_In in(bench_path().c_str(), flags);
  long sum = 0;
  for (int c; (c = get_byte(in)) >= 0;) sum += c;
  close(in);
  return sum;
}

void write_plain(const std::string& bytes) {
  int fd = open(bench_path().c_str(), O_RDWR | O_CREAT | O_TRUNC, 0666);
  for (size_t at = 0; at < bytes.size(); at += FILE_BUF_BYTES)
    benchmark::DoNotOptimize(write(fd, bytes.data() + at, std::min(bytes.size() - at, size_t(FILE_BUF_BYTES))));
  fsync(fd);
  close(fd);
}

long read_plain() {
  int fd = open(bench_path().c_str(), O_RDONLY);
  char buf[FILE_BUF_BYTES];
  long sum = 0;
  for (ssize_t n; (n = read(fd, buf, sizeof buf)) > 0;)
    for (ssize_t i = 0; i < n; ++i) sum += uint8_t(buf[i]);
  close(fd);
  return sum;
}

template <bool TEXT>
void BM_write_ours(benchmark::State& state) {
  std::string bytes = content(state.range(0), TEXT);
  for (auto _ : state) write_ours(bytes, TEXT ? FILE_TEXT : 0);
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

template <bool TEXT>
void BM_put_block_ours(benchmark::State& state) {
  std::string bytes = content(state.range(0), TEXT);
  for (auto _ : state) write_ours(bytes, TEXT ? FILE_TEXT : 0, true);
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

template <bool TEXT>
void BM_write_plain(benchmark::State& state) {
  std::string bytes = content(state.range(0), TEXT);
  for (auto _ : state) write_plain(bytes);
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

// The file to read is the one the stream kind writes: UTF-8 for text.
template <bool TEXT>
void BM_read_ours(benchmark::State& state) {
  write_ours(content(state.range(0), TEXT), TEXT ? FILE_TEXT : 0);
  for (auto _ : state) benchmark::DoNotOptimize(read_ours(TEXT ? FILE_TEXT : 0));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

template <bool TEXT>
void BM_read_plain(benchmark::State& state) {
  write_ours(content(state.range(0), TEXT), TEXT ? FILE_TEXT : 0);
  for (auto _ : state) benchmark::DoNotOptimize(read_plain());
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

const long SIZE = bench_size(1 << 20, 4096);

}  // namespace

BENCHMARK(BM_write_ours<false>)->Name("BM_write_bin_ours")->Arg(SIZE);
BENCHMARK(BM_write_plain<false>)->Name("BM_write_bin_plain")->Arg(SIZE);
BENCHMARK(BM_put_block_ours<false>)->Name("BM_block_bin_ours")->Arg(SIZE);
BENCHMARK(BM_write_plain<false>)->Name("BM_block_bin_plain")->Arg(SIZE);
BENCHMARK(BM_read_ours<false>)->Name("BM_read_bin_ours")->Arg(SIZE);
BENCHMARK(BM_read_plain<false>)->Name("BM_read_bin_plain")->Arg(SIZE);
BENCHMARK(BM_write_ours<true>)->Name("BM_write_text_ours")->Arg(SIZE);
BENCHMARK(BM_write_plain<true>)->Name("BM_write_text_plain")->Arg(SIZE);
BENCHMARK(BM_put_block_ours<true>)->Name("BM_block_text_ours")->Arg(SIZE);
BENCHMARK(BM_write_plain<true>)->Name("BM_block_text_plain")->Arg(SIZE);
BENCHMARK(BM_read_ours<true>)->Name("BM_read_text_ours")->Arg(SIZE);
BENCHMARK(BM_read_plain<true>)->Name("BM_read_text_plain")->Arg(SIZE);

int main(int argc, char** argv) {
  int res = run_with_ratios(argc, argv, "plain", "bytes");
  unlink(bench_path().c_str());
  return res;
}
