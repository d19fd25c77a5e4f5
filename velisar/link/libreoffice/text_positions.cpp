#include "velisar/link/libreoffice/text_positions.h"

#include <algorithm>
#include <limits>
#include <rtl/character.hxx>

using css::text::XText;
using css::text::XTextCursor;
using css::text::XTextRange;
using css::uno::Reference;

namespace {

// Cursors step over code points, the string counts UTF-16 units.
sal_Int32 codePointsBetween(const rtl::OUString& text, sal_Int32 from, sal_Int32 to) {
    sal_Int32 count = 0;
    for (sal_Int32 i = from; i < to; ++i) {
        if (!(rtl::isLowSurrogate(text[i]) && i > from && rtl::isHighSurrogate(text[i - 1])))
            ++count;
    }
    return count;
}

// goRight takes a 16-bit count.
bool stepRight(const Reference<XTextCursor>& cursor, sal_Int32 steps, bool expand) {
    constexpr sal_Int32 most = std::numeric_limits<sal_Int16>::max();
    while (steps > 0) {
        const sal_Int32 step = std::min(steps, most);
        if (!cursor->goRight(static_cast<sal_Int16>(step), expand))
            return false;
        steps -= step;
    }
    return true;
}

} // namespace

sal_Int32 positionOf(const Reference<XText>& text, const Reference<XTextRange>& point) {
    const Reference<XTextCursor> cursor = text->createTextCursorByRange(text->getStart());
    cursor->gotoRange(point->getStart(), true);
    return cursor->getString().getLength();
}

Reference<XTextCursor> rangeAt(const Reference<XText>& text, sal_Int32 start, sal_Int32 end) {
    const rtl::OUString whole = text->getString();
    if (start < 0 || end < start || end > whole.getLength())
        return {};
    const Reference<XTextCursor> cursor = text->createTextCursorByRange(text->getStart());
    if (!stepRight(cursor, codePointsBetween(whole, 0, start), false) ||
        !stepRight(cursor, codePointsBetween(whole, start, end), true))
        return {};
    if (positionOf(text, cursor->getStart()) != start || positionOf(text, cursor->getEnd()) != end)
        return {};
    return cursor;
}

Reference<XTextCursor> forwardCursor(const Reference<XTextRange>& range) {
    const Reference<XTextCursor> cursor =
        range->getText()->createTextCursorByRange(range->getStart());
    cursor->gotoRange(range->getEnd(), true);
    return cursor;
}
