#pragma once
// The text of one sample file, before any compression.

#include <string>

#include "tools/make_sample/options.h"

namespace helvarra::sample {

// One line a second over opt.span() from opt.date and opt.startTod, in the
// layout, values and events the options ask for. Same options, same text.
// It replaces what `text` held, keeping its memory for the next file.
void makeSampleText(const Options& opt, std::string& text);

}  // namespace helvarra::sample
