// cvntime --help and --version.

#include <cstdio>

#include "CvnDateTime.h"
#include "tools/cvntime/commands.h"

namespace cvn::tool {

namespace {

constexpr const char* kHelp = R"(Usage: cvntime [--locale NAME] COMMAND [OPTION...] [ARG...]

Converts dates and times with the CvnDateTime library. A value is a Corvane
time: days since 30 December 1899 with the time of day as the fraction
(36526.5 is noon on 1 January 2000). "*" stands for a missing value.

Commands:
  read [--format F] [--reset] [--show-format] [TEXT...]
      Reads each TEXT, or each line of standard input, as a date, time or
      elapsed time and writes its value, one a line, "*" for empty text, for
      "*" and for text that cannot be read. F (default: the regional date and
      time format) is set once at the start; a successful read leaves the
      format that matches what was typed, and the next text is tried under
      that format first, then under the regional default formats. So after
      a time alone ("12:45") a date may no longer be read; --reset starts
      every text from F again. --show-format adds a tab and the format after
      the read.
  write [--format F] [--day-number] [VALUE...]
      Writes each VALUE, or each line of standard input, as text under F
      (default: the regional date and time format). --day-number writes the
      day number in place of the date.
  convert [--from F] [--reset] --to G [--day-number]
      Reads the lines of standard input as 'read' does, starting from F, and
      writes them as text under G.
  formats [--class date|time|datetime]
      Lists the legal formats in order, or those of one class.
  scale MIN MAX [--ticks LO HI] [--format F] [--mode nice|default]
        [--ends padded|nice|data]
      A nice time axis for data from MIN to MAX (values, or texts read as
      'read' does; MAX not before MIN) with LO to HI ticks (default 4 8)
      under F (default: the format of the texts read, else the regional date
      and time format). Writes the unit, the increment, the format of the
      tick labels, the scale ends and the ticks, each as a value and as text.
      --mode nice steps by 1, 2, 5, 10, 15, 30 seconds or minutes, 1, 3, 6,
      12 hours, 1 or 2 days, weeks, 1, 3, 6 months or 1, 2, 5, 10 ... years,
      keeps the tick count within LO..HI when a step allows (line 'window'),
      and labels the ticks with a format that tells them apart; --ends then
      puts the scale ends 6% beyond the data (padded), on the ticks around
      the data (nice) or on the data's own ends (data).
  now [--format F]
      Writes the present local date and time as a value and as text.
  import [--order mdy|dmy|ymd] [--utc] [--serial] [--to G] [--summary] [FILE]
      Reads the whole column of FILE (or standard input), one text a line,
      under one reading decided for the column: ISO 8601, numeric dates in
      any order, month and weekday names, RFC 5322 and asctime dates, 12- or
      24-hour clocks, compact digits, times of day, elapsed times. Writes one
      line per input line: the value, or with --to its text under G; "*"
      for an empty line, "*" and a text the column refuses. The day/month
      order is decided by the data; --order gives the one to assume when no
      text decides it (default: the regional one). --utc converts texts with
      a UTC offset to UTC (default: the clock time written). --serial reads
      a column of plain numbers as values. --summary writes the column's
      report to standard error as KEY<tab>VALUE lines: format, kind, order,
      read, missing, refused, ambiguous, mixed, each alternative reading,
      and the first 20 refused lines (refused-line, line number, text,
      reason).

Formats are patterns such as "m/d/yyyy", "mmmm d, yyyy", "h:mm:ss am/pm",
"hh:mm:ss.sss", "[h]:mm:ss" (elapsed), "yyyyQq" and "wwWk yyyy".

Options:
  --locale NAME  the regional settings of an installed locale; C and POSIX
                 name the built-in settings. Default: the locale of the
                 environment (LC_ALL, else LC_TIME, else LANG), or the
                 built-in settings when that is C, POSIX, unset or not
                 installed.
  --help, -h     this text
  --version      the version

Text is UTF-8 in and out; invalid bytes read as U+FFFD. An argument that
starts with a single '-' is a value (-0.25, -1:30); after '--' every
argument is a value.

Exit status: 0 when every text and value was read, 1 when some could not be
read (standard error says how many), 2 for bad arguments.
)";

}  // namespace

void mPrintHelp(std::FILE* file) { std::fputs(kHelp, file); }

void mPrintVersion(std::FILE* file) {
  std::fprintf(file, "cvntime %s (CvnDateTime %s)\n", CVN_DATETIME_VERSION, CVN_DATETIME_VERSION);
}

}  // namespace cvn::tool
