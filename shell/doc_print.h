// Printing a document: its window and the windows that belong to it, each
// content placed below the last with a rule between them, or tiled over
// pages (across, then down) when it does not fit one; every page starts with
// a header of the title, the program and version, the date and the page
// number.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "draw/canvas.h"
#include "draw/geom.h"

struct Gui_Kind;
struct Wind_Con;
class QPrinter;

void doc_print(Wind_Con& w);

// Where the pages of a job go; the printer behind it, or a test's record.
struct Page_Sink {
  int32_t page_w, page_h;  // the printable area, canvas units
  std::function<bool()> new_page;  // false: the job stops drawing
  // Draws within clip (page coordinates, y up from the area's top left).
  std::function<void(const Rect& clip, const std::function<void(Canvas&)>& draw)> draw;
};

// One print job's pages: the header of each page and the placing of contents.
struct Page_Job {
  Page_Sink sink;
  const char* title;  // internal text
  int32_t page_n = 0;  // pages started
  int32_t y = 0;       // where the next content may start, from the top (y up)
  bool stopped_q = false;
};

constexpr int32_t PRINT_GAP = 6336, PRINT_RULE_GAP = 3168, PRINT_HEADER_GAP = 3456, PRINT_MIN_TILE = 192;

// Places a content of bounds b drawn by draw (its origin given).
void print_content(Page_Job& job, const Rect& b, const std::function<void(Canvas&, Point origin)>& draw);

// A content of kind k placed as the next of the job.
void print_element(Page_Job& job, const Gui_Kind& k, void* content);
// A print job titled title on p, whose contents print_all places; the copies
// p asks for are printed each whole, one after the other.
void print_job(QPrinter& p, const std::string& title, const std::function<void(Page_Job&)>& print_all);
