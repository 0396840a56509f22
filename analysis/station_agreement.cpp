#include "analysis/station_agreement.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "data/record_time.h"

namespace helvarra {
namespace {

std::optional<double> Median(std::vector<double>& values) {
  if (values.empty()) return std::nullopt;
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  if (values.size() % 2 != 0) return *middle;
  return (*std::max_element(values.begin(), middle) + *middle) / 2;
}

std::string RatioText(const std::optional<double>& ratio) {
  if (!ratio) return {};
  char text[64];
  std::snprintf(text, sizeof text, "%.4f", *ratio);
  return text;
}

}  // namespace

StationAgreement CompareStations(const FluxTable& first, RowRange firstRows, const FluxTable& second,
                                 RowRange secondRows) {
  StationAgreement out;
  std::array<std::vector<double>, kChannelCount> ratios;
  std::size_t a = firstRows.first, b = secondRows.first;
  const std::size_t aEnd = std::min(firstRows.last + 1, first.size()), bEnd = std::min(secondRows.last + 1, second.size());
  std::int64_t lastMatched = INT64_MIN;
  while (a < aEnd && b < bEnd) {
    const std::int64_t ta = RecordTime(first[a]), tb = RecordTime(second[b]);
    if (ta != tb || ta == lastMatched) {
      (ta <= tb ? a : b) += 1;
      continue;
    }
    lastMatched = ta;
    ++out.commonSeconds;
    for (int k = 0; k < kChannelCount; ++k)
      if (first[a].IsFlux(k) && second[b].IsFlux(k))
        ratios[static_cast<std::size_t>(k)].push_back(static_cast<double>(second[b].Value(k)) / first[a].Value(k));
    ++a, ++b;
  }
  for (std::size_t k = 0; k < kChannelCount; ++k)
    out.channels[k] = {ratios[k].size(), Median(ratios[k])};
  return out;
}

TextTable AgreementTable(const FluxTable& first, const FluxTable& second, const StationAgreement& agreement) {
  TextTable t{{"station", "reference", "frequency_mhz", "common_seconds", "median_ratio"}, {}};
  const std::string over = second.empty() ? "" : std::string(second[0].Station());
  const std::string reference = first.empty() ? "" : std::string(first[0].Station());
  for (int k = 0; k < kChannelCount; ++k) {
    const ChannelAgreement& c = agreement.channels[static_cast<std::size_t>(k)];
    t.rows.push_back({over, reference, std::to_string(Channel(k).megahertz), std::to_string(c.common),
                      RatioText(c.medianRatio)});
  }
  return t;
}

}  // namespace helvarra
