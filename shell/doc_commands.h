// The document commands: New's titles and width, Open (by dialog or by
// path), Save, Save As, Revert to Saved, Close with its save question, the
// next and previous file of a numbered series, and which of them a front
// window allows.
#pragma once
#include <cstdint>
#include <string>

struct Wind_Con;

// The width a new document gets: the default printer's printable width, or
// else the screen's, in canvas units.
int32_t default_doc_width();

void doc_open();
// A document read from the file at path shows its Next File and Previous
// File buttons for the numbered files beside it that are there.
void show_neighbours(void* content, const std::string& path);
// The document in the file at path (UTF-8), in a new window; an older
// version is announced when notice_q.
void doc_open_path(const std::string& path, bool notice_q);
// False when the document stays unsaved (its Save As was cancelled).
bool doc_save(Wind_Con& w);
bool doc_save_as(Wind_Con& w);
void doc_revert(Wind_Con& w);
// Asks about unsaved changes first; false when the window stays open.
bool doc_close(Wind_Con& w);
// Closes w and opens the file numbered one after (step 1) or before (-1) its file.
void doc_step_file(Wind_Con& w, int32_t step);

// Whether closing w asks about its changes: not when it is unchanged; not
// for a read-only file of a numbered series, which a lesson hands out.
bool needs_save_question_q(const Wind_Con& w);
// Whether w is a model's own window (not Colors, Tips or an alert).
bool model_doc_q(const Wind_Con& w);
// Save, Save As and Revert to Saved as the File menu enables them.
bool doc_item_enabled_q(const Wind_Con& w, int32_t id);
// The File and Edit items handled here; false for the others.
bool doc_command(Wind_Con* w_mp, int32_t id);
