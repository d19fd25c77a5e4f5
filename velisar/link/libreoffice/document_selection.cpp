#include "velisar/link/libreoffice/document_selection.h"

#include "velisar/link/libreoffice/complex_script.h"
#include "velisar/link/libreoffice/text_positions.h"
#include "velisar/link/libreoffice/uno_string.h"

#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/uno/RuntimeException.hpp>

using css::beans::XMultiPropertySet;
using css::beans::XPropertySet;
using css::container::XIndexAccess;
using css::text::XText;
using css::text::XTextCursor;
using css::text::XTextRange;
using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;
using rtl::OUString;

namespace {

bool isComplex(const Reference<XTextRange>& range) {
    return containsComplexScript(toQString(range->getString()));
}

} // namespace

DocumentSelection::DocumentSelection(Reference<css::frame::XModel> document)
    : document_(std::move(document)) {}

Reference<css::view::XSelectionSupplier> DocumentSelection::selectionSupplier() const {
    return Reference<css::view::XSelectionSupplier>(document_->getCurrentController(),
                                                    UNO_QUERY_THROW);
}

Reference<XTextRange> DocumentSelection::selectedRange() const {
    // A text selection comes as a list of ranges, several when the user
    // selected several pieces; the link works on the first.
    const Reference<XIndexAccess> ranges(selectionSupplier()->getSelection(), UNO_QUERY);
    if (!ranges.is() || ranges->getCount() < 1)
        throw css::uno::RuntimeException("the selection is not text");
    const Reference<XTextRange> range(ranges->getByIndex(0), UNO_QUERY);
    if (!range.is())
        throw css::uno::RuntimeException("the selection is not text");
    return range;
}

void DocumentSelection::remember(const Reference<XTextRange>& selection) {
    text_ = selection->getText();
    remembered_ = forwardCursor(selection);
}

std::pair<sal_Int32, sal_Int32> DocumentSelection::bounds() {
    const Reference<XTextRange> selection = selectedRange();
    remember(selection);
    return {positionOf(text_, remembered_->getStart()), positionOf(text_, remembered_->getEnd())};
}

OUString DocumentSelection::text() {
    return selectedRange()->getString();
}

OUString DocumentSelection::fontName() {
    const Reference<XTextRange> selection = selectedRange();
    const Reference<XPropertySet> properties(selection, UNO_QUERY_THROW);
    // A value the selection does not hold uniformly reads as void.
    OUString name;
    properties->getPropertyValue(isComplex(selection) ? OUString("CharFontNameComplex")
                                                      : OUString("CharFontName")) >>= name;
    return name;
}

std::optional<float> DocumentSelection::fontSize() {
    const Reference<XTextRange> selection = selectedRange();
    const Reference<XPropertySet> properties(selection, UNO_QUERY_THROW);
    float size = 0;
    if (properties->getPropertyValue(isComplex(selection) ? OUString("CharHeightComplex")
                                                          : OUString("CharHeight")) >>= size)
        return size;
    return std::nullopt;
}

bool DocumentSelection::select(sal_Int32 start, sal_Int32 end) {
    if (!text_.is())
        remember(selectedRange());
    // The remembered selection, if it still lies at these positions, is
    // exactly what the user selected, whatever the text holds before it.
    Reference<XTextCursor> target = remembered_;
    if (!target.is() || positionOf(text_, target->getStart()) != start ||
        positionOf(text_, target->getEnd()) != end)
        target = rangeAt(text_, start, end);
    if (!target.is())
        return false;
    return selectionSupplier()->select(Any(Reference<XTextRange>(target, UNO_QUERY_THROW)));
}

void DocumentSelection::takeRange() {
    range_.clear();
    range_ = forwardCursor(selectedRange());
}

const Reference<XTextCursor>& DocumentSelection::range() const {
    if (!range_.is())
        throw css::uno::RuntimeException("no range taken from the selection");
    return range_;
}

void DocumentSelection::paste(const OUString& text) {
    // The cursor then spans the new text.
    range()->setString(text);
}

// Sets a Western and a complex-script property in one call, and only when
// the range does not hold the value already (text typed or inserted after
// formatted text takes its format): each change makes Writer lay the
// paragraph out again, which is most of an insertion's cost, while reading
// the values is cheap.
void DocumentSelection::setRangePair(const char* western, const char* complex, const Any& value) {
    const Reference<XMultiPropertySet> properties(range(), UNO_QUERY_THROW);
    css::uno::Sequence<OUString> names(2);
    names.getArray()[0] = OUString::createFromAscii(western); // in sorted order
    names.getArray()[1] = OUString::createFromAscii(complex);
    css::uno::Sequence<Any> values(2);
    values.getArray()[0] = value;
    values.getArray()[1] = value;
    // A value the range does not hold throughout reads as void.
    if (properties->getPropertyValues(names) == values)
        return;
    properties->setPropertyValues(names, values);
}

void DocumentSelection::setRangeFontName(const OUString& name) {
    setRangePair("CharFontName", "CharFontNameComplex", Any(name));
}

void DocumentSelection::setRangeFontSize(float size) {
    setRangePair("CharHeight", "CharHeightComplex", Any(size));
}

void DocumentSelection::insertAfterRange(const OUString& text) {
    const Reference<XTextCursor> insertion =
        range()->getText()->createTextCursorByRange(range()->getEnd());
    insertion->setString(text);
    range()->gotoRange(insertion->getEnd(), true);
}

OUString DocumentSelection::rangeText() {
    return range()->getString();
}
