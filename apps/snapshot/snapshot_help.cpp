// tarrawin-snapshot --help.

#include <string_view>

#include "apps/snapshot/snapshot_options.h"

namespace helvarra::snapshot {

namespace {

constexpr std::string_view kBeforeTheChannels = R"(Usage: tarrawin-snapshot FILE -o OUT.png [OPTIONS]
       tarrawin-snapshot FILE --overview -o DAY.png [--channels LIST]
       tarrawin-snapshot --overview FILE... -o DIR/ [--channels LIST]
       tarrawin-snapshot FILE --measure HH:MM[:SS]-HH:MM[:SS]
       tarrawin-snapshot FILE --csv [--from HH:MM[:SS]] [--to HH:MM[:SS]] [-o OUT.csv]
       tarrawin-snapshot --info FILE
       tarrawin-snapshot [--join] FILE... --bursts [--events-list] [-o OUT.csv]
       tarrawin-snapshot --join FILE... --agreement

Draws HELVARRA's chart for an RSTN one-second solar radio flux file and writes
it as a PNG picture, pixel for pixel as the Tarrawin window shows it; or the
day overview of one file or many; measures a burst; writes the records as CSV;
lists every burst found; compares stations. No display is needed. The file may
be of 68-byte records or as the RSTN archive serves it (gzip-compressed or not,
6-, 7- or 8-character fields).

  --join                 the files opened together, as the viewer opens them,
                         for every mode: a station's files one series (records
                         in UT order, a second two files hold taken from the
                         earlier), several stations on one time axis

  -o, --output OUT       the picture (or, with --csv, the CSV file) to write;
                         written only when the file could be read. With
                         --overview and several files, a folder: DIR/NAME.png
                         for each file NAME
  --index N              the window the slider fixes when it is let go at
                         record N (0 is the file's first record). The slider
                         reaches from 0 to 60 records before the end; a larger
                         N draws the window of its last position, with a note
  --time HH:MM           the window of the first record at or after that time
                         of day (UT), going on from the file's first record and
                         over midnight: in a file from 22:30 to 01:30, 00:10 is
                         after midnight and 22:00 is not in the file
  --channels LIST        the frequencies drawn, in MHz, separated by commas:
                         )";

constexpr std::string_view kAfterTheChannels = R"( (the default is
                         all of them); "none" draws the empty chart
  --browse-to-end        the window a browse from the file's first record ends
                         on: "&Browse" pressed and its steps run until the end
                         of the file stops it
  --whole-window         the window with its buttons, check boxes and slider, as
                         printing puts it on the page; without it, the chart
                         alone
  --overview             the day overview: the whole file on one time axis,
                         each channel's least and greatest value in each pixel
                         column, 1200 x 400 pixels. With several files, one
                         picture each, drawn on every core (two of one name are
                         refused); a file that cannot be read is named on
                         standard error and the others go on; with --join, one
                         picture of them all, a strip a station
  --measure RANGE        prints, as CSV, each channel's burst between the two
                         times of day (going on from the file's start, over
                         midnight, as --time does): the background (the median
                         of the 300 seconds before), the half-power begin, the
                         peak and its time, the end, the peak above the
                         background and the holes; at every station, a
                         first column "station" where there are several
  --events-list          with --measure or --bursts: the daily edited events
                         lists' lines in place of the CSV
  --bursts               the catalogue of every burst found (station,
                         frequency, begin, peak, end, background, peak, peak
                         above the background, stations that saw it) in UT
                         order; without --join each file alone, on every core
  --agreement            with --join and two stations or more: per frequency,
                         the seconds the first and each other station hold flux
                         in, and the median of the other's flux over the first's
  --csv                  the records as CSV: time_ut (YYYY-MM-DDTHH:MM:SSZ from
                         each record's own date), then the eight channels, a
                         hole as an empty field; on standard output without -o;
                         several stations: "station" after time_ut
  --from, --to HH:MM[:SS]
                         --csv's first and last time of day (UT), going on from
                         the file's start; the file's start and end by default
  --info                 no picture: prints what was read from the file, its
                         layout, records, first and last times, station, lines
                         skipped and re-synchronised, and per channel the
                         fields that hold no value, by cause
  -h, --help             this text

Without --index or --time the picture is the first window of the file, as the
viewer draws it when the file is opened. The picture is 792 x 574 pixels.

Exit status: 0 the picture, table or file was written (or the file described);
1 a file could not be read, or a range holds no record, or the output could not
be written (the viewer's message is on standard error); 2 a wrong option.

Examples:
  tarrawin-snapshot samples/14MAY24.APL --time 23:05 \
      --channels 245,2695,15400 -o burst.png
  tarrawin-snapshot samples/14MAY24.APL --measure 23:05-23:40
  tarrawin-snapshot --overview archive/*.gz -o quicklooks/
)";

}  // namespace

std::string HelpText() { return std::string(kBeforeTheChannels) + ChannelList() + std::string(kAfterTheChannels); }

}  // namespace helvarra::snapshot
