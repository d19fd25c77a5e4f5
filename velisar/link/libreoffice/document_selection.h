#pragma once

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextCursor.hpp>
#include <com/sun/star/view/XSelectionSupplier.hpp>
#include <optional>
#include <utility>

// One Writer document as the link sees it: its selection, and the range
// the insertion works on. Every member makes remote calls and lets the
// office's exceptions through; a selection that is not text (a shape, a
// block of table cells) raises one too.
class DocumentSelection {
public:
    explicit DocumentSelection(css::uno::Reference<css::frame::XModel> document);

    // The selection's bounds as character positions in its own text (the
    // body, or the table cell or frame that holds it). The text and the
    // selection are remembered for select().
    std::pair<sal_Int32, sal_Int32> bounds();
    rtl::OUString text();

    // The selection's font: the complex-script attributes when it holds
    // Arabic or another such script, the Western ones otherwise. A mixed
    // selection has an empty name and no size.
    rtl::OUString fontName();
    std::optional<float> fontSize();

    // Selects [start, end) of the text whose bounds were read last.
    bool select(sal_Int32 start, sal_Int32 end);

    // The range: taken from the selection, then replaced, extended and
    // formatted. Setting a font sets both the Western and the
    // complex-script attribute, so the digits and brackets of what is
    // inserted match its Arabic letters.
    void takeRange();
    void paste(const rtl::OUString& text);
    void setRangeFontName(const rtl::OUString& name);
    void setRangeFontSize(float size);
    void insertAfterRange(const rtl::OUString& text);
    rtl::OUString rangeText();

private:
    css::uno::Reference<css::text::XTextRange> selectedRange() const;
    css::uno::Reference<css::view::XSelectionSupplier> selectionSupplier() const;
    void remember(const css::uno::Reference<css::text::XTextRange>& selection);
    const css::uno::Reference<css::text::XTextCursor>& range() const;
    void setRangePair(const char* western, const char* complex, const css::uno::Any& value);

    css::uno::Reference<css::frame::XModel> document_;
    // The text of the selection whose bounds were read last, and a cursor
    // that follows that selection through the user's later edits.
    css::uno::Reference<css::text::XText> text_;
    css::uno::Reference<css::text::XTextCursor> remembered_;
    css::uno::Reference<css::text::XTextCursor> range_;
};
