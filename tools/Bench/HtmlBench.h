#pragma once

namespace orvtools {

// Measuring 200 characters of marked-up panel text with PaintHtmlText, as a ratio to
// measuring the same plain text with DrawText.
void RunHtmlBench();

}  // namespace orvtools
