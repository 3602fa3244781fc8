#pragma once

#include <string>

// The site's log on standard output: the access log (a line a request) and the site's own notes. A line is
// handed over in memory and written by a thread of the log's own, so that a slow terminal, pipe or journal
// never holds up a request; lines keep their order. Should the output fall far behind, lines are dropped and
// their number written when it catches up. Safe on any thread.
namespace Log {

void line(std::string text); // without its newline
void flush(); // returns once every line handed over is written

} // namespace Log
