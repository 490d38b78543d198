#pragma once
// Counters of the rich-text painter's work, read by tests and the bench. Not part of the
// library's face.
#include <cstddef>

namespace orv::detail {

// Layouts the painter has made (PaintHtmlText, LayoutHtmlText) since the process started.
long HtmlLayoutsDone();
// Bytes of text the painter keeps measured (the keys of its measurement cache).
size_t HtmlMeasuredTextBytes();

}  // namespace orv::detail
