// SPDX-License-Identifier: GPL-3.0-or-later
// The sun against the almanacs: its zenith at the equinox and the solstices
// and where the equation of time is at its extremes, and London's sunrise
// and sunset as newspapers printed them.
#include "geo/solar_position.h"

#include <gtest/gtest.h>

#include <ctime>
#include <optional>

namespace tessaly {
namespace {

UnixSeconds Utc(int year, int month, int day, int hour, int minute) {
  std::tm time{};
  time.tm_year = year - 1900;
  time.tm_mon = month - 1;
  time.tm_mday = day;
  time.tm_hour = hour;
  time.tm_min = minute;
  return ::timegm(&time);
}

// The instants of the 2024 equinox and solstices (USNO), where the
// declination is 0 and 23.44 degrees; at noon UTC on the days the equation
// of time is at its least (-14 min 14 s) and most (+16 min 25 s), the
// subsolar meridian lies 3.56 degrees east and 4.10 west.
TEST(SubsolarPoint, LiesWhereTheAlmanacPutsTheSun) {
  constexpr double kTolerance = 0.1;  // degrees
  const struct {
    UnixSeconds Moment;
    std::optional<double> Lat, Lon;
  } cases[] = {
      {Utc(2024, 3, 20, 3, 6), 0.0, std::nullopt},
      {Utc(2024, 6, 20, 20, 51), 23.44, std::nullopt},
      {Utc(2024, 12, 21, 9, 20), -23.44, std::nullopt},
      {Utc(2024, 2, 11, 12, 0), std::nullopt, 3.56},
      {Utc(2024, 11, 3, 12, 0), std::nullopt, -4.10},
  };
  for (const auto& c : cases) {
    const SignedPosition sun = SubsolarPoint(c.Moment);
    if (c.Lat) {
      EXPECT_NEAR(sun.Lat, *c.Lat, kTolerance) << c.Moment;
    }
    if (c.Lon) {
      EXPECT_NEAR(sun.Lon, *c.Lon, kTolerance) << c.Moment;
    }
    EXPECT_NEAR(SunAltitude(sun, c.Moment), 90.0, 1e-6);
    EXPECT_NEAR(SunAltitude({-sun.Lat, sun.Lon + 180.0}, c.Moment), -90.0, 1e-6);
  }
}

// London, 51.5074 N 0.1278 W, as the i newspaper printed it: the 2023
// winter solstice, new year's day 2024 and the 2024 summer solstice.
TEST(SunriseAndSunset, AreLondonsWithinTwoMinutesAndNoneInPolarDayOrNight) {
  constexpr UnixSeconds kTwoMinutes = 120;
  const SignedPosition london{51.5074, -0.1278};
  const struct {
    UnixSeconds Day, Sunrise, Sunset;
  } cases[] = {
      {Utc(2023, 12, 22, 12, 0), Utc(2023, 12, 22, 8, 4), Utc(2023, 12, 22, 15, 53)},
      {Utc(2024, 1, 1, 12, 0), Utc(2024, 1, 1, 8, 6), Utc(2024, 1, 1, 16, 1)},
      {Utc(2024, 6, 20, 12, 0), Utc(2024, 6, 20, 3, 43), Utc(2024, 6, 20, 20, 21)},
  };
  for (const auto& c : cases) {
    const SunriseSunset day = SunriseAndSunset(london, c.Day);
    ASSERT_TRUE(day.Sunrise && day.Sunset);
    EXPECT_NEAR(*day.Sunrise, c.Sunrise, kTwoMinutes);
    EXPECT_NEAR(*day.Sunset, c.Sunset, kTwoMinutes);
  }
  // Tromsø, 69.65 N: polar night round the winter solstice, midnight sun
  // round the summer one.
  const SignedPosition tromso{69.65, 18.96};
  const SunriseSunset winter = SunriseAndSunset(tromso, Utc(2024, 12, 21, 12, 0));
  EXPECT_TRUE(winter.PolarNight && !winter.Sunrise && !winter.Sunset);
  const SunriseSunset summer = SunriseAndSunset(tromso, Utc(2024, 6, 21, 12, 0));
  EXPECT_TRUE(summer.PolarDay && !summer.Sunrise && !summer.Sunset);
}

}  // namespace
}  // namespace tessaly
