// The Maidenhead locator: encoder and decoder, pure functions of integers and
// texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaly {

inline constexpr std::string_view kLocatorErrorText = " Error!";

// " FN31pr" (leading blank included) for the given magnitudes and radio group
// item indexes (latitude 1 = south, longitude 0 = west). Parts out of their
// usual range are normalised first; 90 degrees of latitude or 180 of
// longitude encode as the edge cell on the hemisphere's side; anything beyond
// gives kLocatorErrorText.
std::string LatLonToLocator(std::int32_t lat_degrees, std::int32_t lat_minutes,
                            std::int32_t lat_seconds, std::int32_t lat_hemisphere,
                            std::int32_t lon_degrees, std::int32_t lon_minutes,
                            std::int32_t lon_seconds, std::int32_t lon_hemisphere);

// The centre of a locator's cell, as the texts the coordinate fields receive.
struct DecodedLocator {
  std::string Locator;  // " FN31pr", " FN31", or kLocatorErrorText
  std::string LatDegrees, LatMinutes, LatSeconds;
  std::int32_t LatHemisphere = -1;  // 0 north, 1 south, -1 invalid
  std::string LonDegrees, LonMinutes, LonSeconds;
  std::int32_t LonHemisphere = -1;  // 1 east, 0 west, -1 invalid
};

DecodedLocator LocatorToLatLon(std::string_view locator);

}  // namespace tessaly
