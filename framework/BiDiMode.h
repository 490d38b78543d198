#pragma once
// Reading order and alignment of a control's text. Stored and passed on to children that
// follow their parent's mode; right-to-left text is laid out by the controls that offer it.
namespace orv {

enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

}  // namespace orv
