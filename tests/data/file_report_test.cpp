// What --info says of a file comes from the table the viewer draws.

#include "data/file_report.h"

#include <gtest/gtest.h>

#include "data/flux_decoder.h"
#include "tests/support/record_text.h"

namespace helvarra {
namespace {

TEST(FileReportTest, SaysWhatTheDecoderFound) {
  std::string text;
  for (int s = 0; s < 3; ++s)
    text += test::ArchiveBody("LEAR", 2024, 5, 14, 22, 30, s, {1, 2, 3, 4, 5, 6, 7, 8}, 8) + "\n";
  text +=
      "*** noise ***\n"
      "LEAR20240514223003       9      28      34  LEAR20240514223004      -3       0       2      32      67"
      "      70     101     278\n"
      "LEAR20240515010000142386251      31      42      48      75     109     224     453\n"
      "LEAR20240515010001      22              83     147     215     242     341-254264591\n";
  FluxTable table = DecodeFluxText(text);
  table.layout.compressed = true;
  EXPECT_EQ(FormatFileReport("/data/15MAY24.APL.gz", table),
            "File: /data/15MAY24.APL.gz\n"
            "Layout: 8-wide values in the archive's columns, from 18 (82-character lines), LF line ends, "
            "gzip-compressed\n"
            "Records: 7\n"
            "First: 2024-05-14 22:30:00 UT\n"
            "Last: 2024-05-15 01:00:01 UT\n"
            "Station: Learmonth (LEAR)\n"
            "Lines skipped: 1\n"
            "Records re-synchronised: 1\n"
            "Fields without a value, by channel:\n"
            "  channel         blank  not a number   overflow  cut short\n"
            "  245 MHZ             0             0          0          0\n"
            "  410 MHZ             1             0          0          0\n"
            "  610 MHZ             0             0          0          0\n"
            "  1415 MHZ            0             0          0          1\n"
            "  2695 MHZ            0             0          0          1\n"
            "  4995 MHZ            0             0          0          1\n"
            "  8800 MHZ            0             0          0          1\n"
            "  15400 MHZ           0             0          0          1\n");
  EXPECT_NE(FormatFileReport("x", {}).find("Records: 0\nFirst: none\nLast: none\nStation: none\n"), std::string::npos);
}

}  // namespace
}  // namespace helvarra
