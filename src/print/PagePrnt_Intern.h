#pragma once
// Shared by the page printer's source files only.
#include <QString>

void RefreshPrinterAvailability();

namespace PagePrntIntern {

// Resolution assumed when the printer cannot be reached.
constexpr int FallbackDpi = 300;
// Pixel values are kept far inside the int range so that sums of them cannot
// overflow; no page comes anywhere near this size.
constexpr int PixelLimit = 100'000'000;

struct TPrinterMetrics {
  bool Reachable = false;
  int DpiX = FallbackDpi;
  int DpiY = FallbackDpi;
  int PhysWidth = 0;
  int PhysHeight = 0;
  int OffsetX = 0;
  int OffsetY = 0;
};
TPrinterMetrics ReadPrinterMetrics();

// Nearest integer, halves to the even neighbour; NaN gives 0; the result is
// limited to +-PixelLimit.
int RoundEven(long double v);
// a + b limited to +-PixelLimit.
int SatAdd(int a, long long b);

}  // namespace PagePrntIntern
