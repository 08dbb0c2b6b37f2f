// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/solar_position.h"

#include <cmath>

#include "geo/angles.h"

namespace tessaly {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kMinutesPerDay = 1440.0;
constexpr double kDaysPerCentury = 36525.0;
// The Julian day of 1970-01-01 00:00 UTC, and of the epoch J2000.0.
constexpr double kJulianDayOfUnixEpoch = 2440587.5;
constexpr double kJulianDayOfJ2000 = 2451545.0;
// The centre of the sun at a sunrise or sunset: refraction (34 minutes) and
// the sun's half diameter (16 minutes) below the horizon.
constexpr double kSunriseAltitude = -0.833;
// Degrees of the earth's turn a minute of time.
constexpr double kDegreesPerMinuteOfTime = 0.25;

double Wrapped(double degrees) {
  const double wrapped = std::fmod(degrees, 360.0);
  return wrapped < 0 ? wrapped + 360.0 : wrapped;
}

double SinDegrees(double degrees) {
  return std::sin(Radians(degrees));
}
double CosDegrees(double degrees) {
  return std::cos(Radians(degrees));
}

// Julian centuries since J2000.0.
double CenturiesSinceJ2000(UnixSeconds moment) {
  const double julian_day = kJulianDayOfUnixEpoch + static_cast<double>(moment) / kSecondsPerDay;
  return (julian_day - kJulianDayOfJ2000) / kDaysPerCentury;
}

// The minutes of the UTC day since its midnight.
double MinutesOfDay(UnixSeconds moment) {
  const auto seconds = static_cast<double>(((moment % 86400) + 86400) % 86400);
  return seconds / 60.0;
}

UnixSeconds MidnightOf(UnixSeconds moment) {
  return moment - ((moment % 86400) + 86400) % 86400;
}

}  // namespace

SunAt SunAtMoment(UnixSeconds moment) {
  const double t = CenturiesSinceJ2000(moment);
  // Meeus 25.2 to 25.4: the mean longitude and anomaly, the orbit's
  // eccentricity, and the equation of the centre.
  const double mean_longitude = Wrapped(280.46646 + t * (36000.76983 + t * 0.0003032));
  const double mean_anomaly = 357.52911 + t * (35999.05029 - 0.0001537 * t);
  const double eccentricity = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
  const double centre = SinDegrees(mean_anomaly) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
                        SinDegrees(2 * mean_anomaly) * (0.019993 - 0.000101 * t) +
                        SinDegrees(3 * mean_anomaly) * 0.000289;
  // The apparent longitude, for nutation and aberration (25.8), and the
  // obliquity of the ecliptic (22.2, 25.8).
  const double omega = 125.04 - 1934.136 * t;
  const double apparent_longitude = mean_longitude + centre - 0.00569 - 0.00478 * SinDegrees(omega);
  const double mean_obliquity =
      23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60.0) / 60.0;
  const double obliquity = mean_obliquity + 0.00256 * CosDegrees(omega);

  SunAt sun;
  sun.Declination = Degrees(std::asin(SinDegrees(obliquity) * SinDegrees(apparent_longitude)));
  // The equation of time (27.3), converted from radians of the earth's turn
  // to minutes.
  const double y = std::pow(std::tan(Radians(obliquity / 2)), 2);
  const double l0 = Radians(mean_longitude), m = Radians(mean_anomaly);
  const double radians = y * std::sin(2 * l0) - 2 * eccentricity * std::sin(m) +
                         4 * eccentricity * y * std::sin(m) * std::cos(2 * l0) -
                         0.5 * y * y * std::sin(4 * l0) -
                         1.25 * eccentricity * eccentricity * std::sin(2 * m);
  sun.EquationOfTime = Degrees(radians) / kDegreesPerMinuteOfTime;
  return sun;
}

SignedPosition SubsolarPoint(UnixSeconds moment) {
  const SunAt sun = SunAtMoment(moment);
  // The sun stands over the meridian where it is apparent noon.
  const double apparent_minutes = MinutesOfDay(moment) + sun.EquationOfTime;
  double longitude = (kMinutesPerDay / 2 - apparent_minutes) * kDegreesPerMinuteOfTime;
  longitude = Wrapped(longitude + 180.0) - 180.0;
  return {sun.Declination, longitude};
}

double SunAltitude(const SignedPosition& place, UnixSeconds moment) {
  const SignedPosition sun = SubsolarPoint(moment);
  const double cosine =
      SinDegrees(place.Lat) * SinDegrees(sun.Lat) +
      CosDegrees(place.Lat) * CosDegrees(sun.Lat) * CosDegrees(place.Lon - sun.Lon);
  return 90.0 - Degrees(std::acos(std::fmax(-1.0, std::fmin(1.0, cosine))));
}

SunriseSunset SunriseAndSunset(const SignedPosition& place, UnixSeconds day) {
  const UnixSeconds midnight = MidnightOf(day);
  SunriseSunset result;
  // Each event is found from the sun at the event itself: a first guess
  // from local noon, then once more from the time it gives.
  auto event = [&](bool rising) -> std::optional<UnixSeconds> {
    UnixSeconds guess =
        midnight +
        static_cast<UnixSeconds>((kMinutesPerDay / 2 - place.Lon / kDegreesPerMinuteOfTime) * 60);
    for (int round = 0; round < 3; ++round) {
      const SunAt sun = SunAtMoment(guess);
      const double cosine =
          (SinDegrees(kSunriseAltitude) - SinDegrees(place.Lat) * SinDegrees(sun.Declination)) /
          (CosDegrees(place.Lat) * CosDegrees(sun.Declination));
      if (cosine > 1.0) {
        result.PolarNight = true;
        return std::nullopt;
      }
      if (cosine < -1.0) {
        result.PolarDay = true;
        return std::nullopt;
      }
      const double hour_angle = Degrees(std::acos(cosine));
      const double minutes =
          kMinutesPerDay / 2 -
          (place.Lon + (rising ? hour_angle : -hour_angle)) / kDegreesPerMinuteOfTime -
          sun.EquationOfTime;
      guess = midnight + static_cast<UnixSeconds>(std::llround(minutes * 60));
    }
    return guess;
  };
  result.Sunrise = event(true);
  result.Sunset = event(false);
  return result;
}

}  // namespace tessaly
