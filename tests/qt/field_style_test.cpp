// SPDX-License-Identifier: GPL-3.0-or-later
// The cached frames and indicators look as the desktop style draws them, in
// every state a field, radio group or radio item passes through, and a change
// of state is never drawn with the picture of another.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <cstdlib>
#include <functional>

#include "qt/field_style.h"

namespace tessaly {
namespace {

// The largest difference of any colour channel of any pixel: a picture
// composed from the cache may round an antialiased edge by one level.
int LargestDifference(const QImage& first, const QImage& second) {
  if (first.size() != second.size()) return 255;
  int largest = 0;
  for (int y = 0; y < first.height(); ++y) {
    for (int x = 0; x < first.width(); ++x) {
      const QRgb a = first.pixel(x, y);
      const QRgb b = second.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
    }
  }
  return largest;
}

// `Widget` drawn with the application's style and with the cached one, twice:
// into the cache, then from it.
template <typename Widget>
void ExpectSamePicture(const char* what, const std::function<void(Widget&)>& set_up) {
  Widget plain;
  Widget cached;
  cached.setStyle(&FieldStyle());
  for (Widget* each : {&plain, &cached}) {
    each->resize(89, 24);
    set_up(*each);
  }
  for (int round = 0; round < 2; ++round) {
    EXPECT_LE(LargestDifference(plain.grab().toImage(), cached.grab().toImage()), 1)
        << what << ", round " << round;
  }
}

TEST(FieldStyle, DrawsFieldsAndRadioItemsAsTheStyleDoes) {
  ExpectSamePicture<QLineEdit>("an empty field", [](QLineEdit&) {});
  ExpectSamePicture<QLineEdit>("a field with text", [](QLineEdit& e) { e.setText(" 3542.8"); });
  ExpectSamePicture<QLineEdit>("a read-only field", [](QLineEdit& e) { e.setReadOnly(true); });
  ExpectSamePicture<QLineEdit>("a disabled field", [](QLineEdit& e) { e.setEnabled(false); });
  ExpectSamePicture<QLineEdit>("a narrow field", [](QLineEdit& e) { e.resize(25, 21); });
  ExpectSamePicture<QRadioButton>("an item", [](QRadioButton& r) { r.setText("N"); });
  ExpectSamePicture<QRadioButton>("a checked item", [](QRadioButton& r) {
    r.setText("S");
    r.setChecked(true);
  });
  ExpectSamePicture<QGroupBox>("a radio group's frame", [](QGroupBox&) {});
}

}  // namespace
}  // namespace tessaly
