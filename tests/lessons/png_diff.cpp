// Compares a picture with its reference: prints how many pixels differ by
// more than 48 in some channel, and exits with 1 when the sizes differ or
// more than MAX_PIXELS pixels do.
//   png_diff PICTURE REFERENCE MAX_PIXELS
#include <QImage>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int CHANNEL_TOLERANCE = 48;

bool differ_q(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) > CHANNEL_TOLERANCE || std::abs(qGreen(a) - qGreen(b)) > CHANNEL_TOLERANCE ||
         std::abs(qBlue(a) - qBlue(b)) > CHANNEL_TOLERANCE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: png_diff PICTURE REFERENCE MAX_PIXELS\n", stderr);
    return 2;
  }
  QImage a(argv[1]), b(argv[2]);
  if (a.isNull() || b.isNull() || a.size() != b.size()) {
    std::printf("%s: %dx%d, reference %dx%d\n", argv[1], a.width(), a.height(), b.width(), b.height());
    return 1;
  }
  long n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) n += differ_q(a.pixel(x, y), b.pixel(x, y));
  std::printf("%s: %ld pixels differ\n", argv[1], n);
  return n > std::atol(argv[3]) ? 1 : 0;
}
