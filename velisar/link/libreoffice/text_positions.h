#pragma once

#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextCursor.hpp>
#include <com/sun/star/text/XTextRange.hpp>

// Character positions in a Writer text (the body, a table cell, a frame):
// the length, in UTF-16 code units, of the text's string from its start up
// to the point. Paragraph breaks count as one character.
//
// All functions make remote calls and let the office's exceptions through.

// The position of a point (the start of point) within text.
sal_Int32 positionOf(const css::uno::Reference<css::text::XText>& text,
                     const css::uno::Reference<css::text::XTextRange>& point);

// A model cursor over [start, end) of text, its anchor at start; empty when
// the positions lie outside the text or cannot be reached exactly (a cursor
// steps over a table or a field differently from how the string counts it,
// and a wrong selection must never be taken for the right one).
css::uno::Reference<css::text::XTextCursor>
rangeAt(const css::uno::Reference<css::text::XText>& text, sal_Int32 start, sal_Int32 end);

// A cursor over range with its anchor at the range's start, so that
// extending it keeps the start in place.
css::uno::Reference<css::text::XTextCursor>
forwardCursor(const css::uno::Reference<css::text::XTextRange>& range);
