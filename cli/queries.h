// SPDX-License-Identifier: GPL-3.0-or-later
// The answers of locate, decode and path to one query, as one line of text
// or of JSON: the same for a query on the command line and for each line
// of a batch.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tessaly {

enum class Query { Locate, Decode, Path };

struct QueryOptions {
  bool Json = false;
  int Characters = 6;  // locate's locator length: 4 to 12, even
  bool Miles = false;  // path's unit: kilometres unless miles
};

// What is wrong with a query's words ("'XX99' is no locator").
struct QueryFailure {
  std::string Reason;
};
// Appends the answer line (without its line end) to `out`; on a failure
// appends nothing and says why.
std::optional<QueryFailure> AppendAnswer(Query query, std::span<const std::string_view> words,
                                         const QueryOptions& options, std::string& out);

// The line a failed query answers with: "error: line 3: ..." (line 0: on the
// command line, no number), or its JSON object.
std::string FailureLine(const QueryFailure& failure, std::uint64_t line, bool json);

}  // namespace tessaly
