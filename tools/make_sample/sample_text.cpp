// A sample file's text, second by second: the values (flux, --constant or
// --ramp), then the stretches and broken lines laid over them, written as
// 68-byte records or in the archive's layout.

#include "tools/make_sample/sample_text.h"

#include "tools/make_sample/flux_model.h"
#include "tools/make_sample/record_lines.h"
#include "tools/make_sample/span_events.h"

namespace helvarra::sample {

using namespace std::chrono;

namespace {

// What stays the same over the span.
struct Span {
  const Options& opt;
  SpanEvents events;
  Breaks breaks;
  std::string lineEnd;
};

Values valuesAt(const Options& opt, const Flux& flux, sys_seconds when) {
  Values values{};
  if (opt.constant)
    values.fill(*opt.constant);
  else if (opt.ramp)
    for (int k = 0; k < kChannels; ++k) values[k] = (when - floor<days>(when)).count() % 1000 + 10 * (k + 1);
  else
    values = opt.width == 0 ? recordValues(flux) : archiveValues(flux, opt.width);
  return values;
}

// A blank stretch wins over a zero one.
void appendRecordAt(std::string& text, const Span& s, long offset, sys_seconds when, const Values& values) {
  const Values zero{};
  const Values* written = inside(s.events.blanks, offset) ? nullptr : inside(s.events.zeros, offset) ? &zero : &values;
  appendRecord(text, s.opt.station, when, written, s.lineEnd);
}

// --broken: a wider value, a wider negative, a blank field, a line of noise
// before the record, or the record cut short after three fields with the next
// record on the same line (unless it is the last or falls in a gap).
void appendArchiveAt(std::string& text, const Span& s, long offset, sys_seconds when, const Values& values) {
  const int width = s.opt.width;
  std::array<Field, kChannels> fields{};
  if (!inside(s.events.blanks, offset))
    for (int k = 0; k < kChannels; ++k) fields[k] = inside(s.events.zeros, offset) ? 0 : values[k];
  std::size_t count = kChannels;
  if (s.opt.broken) {
    const Breaks& b = s.breaks;
    if (offset == b.overflow) fields[0] = widerThan(width, 1, false);
    if (offset == b.negative) fields[7] = widerThan(width, 2, true);
    if (offset == b.noise) text += "#### noise ####" + s.lineEnd;
    if (offset == b.blank) fields[2].reset();
    if (offset == b.cut && offset + 1 < s.opt.span() && !inside(s.events.gaps, offset + 1)) count = 3;
  }
  appendArchiveLine(text, s.opt.station, when, std::span(fields).first(count), width,
                    count < kChannels ? "  " : s.lineEnd);
}

}  // namespace

void makeSampleText(const Options& opt, std::string& text) {
  const Span s{opt, eventsFor(opt), breaksFor(opt.span()), opt.lfOnly ? "\n" : "\r\n"};
  FluxModel model(opt.seed, s.events.burst);
  const std::size_t lineBytes = opt.station.size() + std::size_t(opt.width == 0 ? 62 : 14 + kChannels * opt.width);
  text.clear();
  text.reserve(std::size_t(opt.span()) * (lineBytes + s.lineEnd.size()));
  const sys_seconds first = sys_seconds{opt.date} + seconds{opt.startTod};
  for (long offset = 0; offset < opt.span(); ++offset) {
    const Flux flux = model.at(offset);
    if (inside(s.events.gaps, offset)) continue;
    const sys_seconds when = first + seconds{offset};
    const Values values = valuesAt(opt, flux, when);
    if (opt.width == 0)
      appendRecordAt(text, s, offset, when, values);
    else
      appendArchiveAt(text, s, offset, when, values);
  }
}

}  // namespace helvarra::sample
