#include "writer_test_document.h"

#include "velisar/link/libreoffice/call_watchdog.h"
#include "velisar/link/libreoffice/sigpipe_block.h"
#include "velisar/link/libreoffice/uno_context.h"
#include "velisar/link/libreoffice/uno_string.h"

#include <QScopeGuard>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/bridge/BridgeFactory.hpp>
#include <com/sun/star/bridge/XBridge.hpp>
#include <com/sun/star/connection/Connector.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/text/ControlCharacter.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/text/XTextTable.hpp>
#include <com/sun/star/text/XTextTablesSupplier.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/util/XSearchable.hpp>
#include <com/sun/star/view/XSelectionSupplier.hpp>
#include <stdexcept>
#include <vector>

using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;
using rtl::OUString;
namespace text = css::text;

namespace {

Reference<css::view::XSelectionSupplier>
selectionSupplierOf(const Reference<text::XTextDocument>& document) {
    return {Reference<css::frame::XModel>(document, UNO_QUERY_THROW)->getCurrentController(),
            UNO_QUERY_THROW};
}

} // namespace

struct WriterTestDocument::Uno {
    Reference<css::lang::XComponent> bridge; // set once, before any call
    // An office that stops answering fails the test instead of hanging it.
    CallWatchdog watchdog{[this] {
        if (bridge.is())
            bridge->dispose();
    }};
    Reference<css::frame::XDesktop2> desktop;
    std::vector<Reference<text::XTextDocument>> documents; // the last is current

    const Reference<text::XTextDocument>& document() const { return documents.back(); }

    // Bounds the calls to the office until the result goes out of scope.
    auto bound() {
        watchdog.arm(std::chrono::seconds(60));
        return qScopeGuard([this] { watchdog.disarm(); });
    }

    void open() {
        css::uno::Sequence<css::beans::PropertyValue> arguments;
        documents.emplace_back(
            desktop->loadComponentFromURL("private:factory/swriter", "_blank", 0, arguments),
            UNO_QUERY_THROW);
    }

    Reference<text::XTextRange> find(const QString& needle) const {
        const Reference<css::util::XSearchable> searchable(document(), UNO_QUERY_THROW);
        const Reference<css::util::XSearchDescriptor> search = searchable->createSearchDescriptor();
        search->setSearchString(toOUString(needle));
        return Reference<text::XTextRange>(searchable->findFirst(search), UNO_QUERY);
    }

    // A range over the occurrence of needle, which may hold one "\n".
    Reference<text::XTextRange> range(const QString& needle) const {
        const qsizetype lineEnd = needle.indexOf(u'\n');
        if (lineEnd < 0)
            return find(needle);
        const Reference<text::XTextRange> first = find(needle.left(lineEnd));
        const Reference<text::XTextRange> second = find(needle.mid(lineEnd + 1));
        if (!first.is() || !second.is())
            return {};
        const Reference<text::XTextCursor> cursor =
            first->getText()->createTextCursorByRange(first->getStart());
        cursor->gotoRange(second->getEnd(), true);
        return Reference<text::XTextRange>(cursor, UNO_QUERY_THROW);
    }

    Reference<css::beans::XPropertySet> properties(const QString& needle) const {
        const Reference<text::XTextRange> found = range(needle);
        if (!found.is())
            throw std::runtime_error("text not in the document: " + needle.toStdString());
        return Reference<css::beans::XPropertySet>(found, UNO_QUERY_THROW);
    }
};

WriterTestDocument::WriterTestDocument(const QString& pipeName) : uno_(std::make_unique<Uno>()) {
    // Tests kill the office: its connection's threads must not die of it.
    const SigpipeBlock sigpipe;
    try {
        const auto local = localUnoContext();
        const auto connection =
            css::connection::Connector::create(local)->connect("pipe,name=" + toOUString(pipeName));
        const Reference<css::bridge::XBridge> bridge =
            css::bridge::BridgeFactory::create(local)->createBridge("", "urp", connection, {});
        uno_->bridge.set(bridge, UNO_QUERY_THROW);
        const auto bound = uno_->bound();
        const Reference<css::uno::XComponentContext> context(
            bridge->getInstance("StarOffice.ComponentContext"), UNO_QUERY_THROW);
        uno_->desktop = css::frame::Desktop::create(context);
        uno_->open();
    } catch (const css::uno::Exception& e) {
        // QtTest reports an exception without its text: say it here.
        const QString why =
            QStringLiteral("cannot reach the test's Writer: ") + toQString(e.Message);
        qWarning("%s", qPrintable(why));
        throw std::runtime_error(why.toStdString());
    }
}

WriterTestDocument::~WriterTestDocument() {
    const SigpipeBlock sigpipe;
    try {
        close();
        if (uno_->bridge.is())
            uno_->bridge->dispose();
    } catch (const css::uno::Exception&) {
        // The office may be gone: a test killed it.
    }
}

void WriterTestDocument::build(const QStringList& paragraphs, const QStringList& cells) {
    const auto bound = uno_->bound();
    const Reference<text::XText> body = uno_->document()->getText();
    body->setString(OUString());
    // The body starts with an empty paragraph, and a table is followed by
    // one: those take the next paragraph's text.
    bool emptyParagraphAtEnd = true;
    for (const QString& paragraph : paragraphs) {
        if (!emptyParagraphAtEnd)
            body->insertControlCharacter(body->getEnd(), text::ControlCharacter::PARAGRAPH_BREAK,
                                         false);
        emptyParagraphAtEnd = paragraph == QLatin1String("[table]");
        if (!emptyParagraphAtEnd) {
            body->insertString(body->getEnd(), toOUString(paragraph), false);
            continue;
        }
        const Reference<css::lang::XMultiServiceFactory> factory(uno_->document(), UNO_QUERY_THROW);
        const Reference<text::XTextTable> table(
            factory->createInstance("com.sun.star.text.TextTable"), UNO_QUERY_THROW);
        table->initialize(2, 2);
        body->insertTextContent(body->getEnd(),
                                Reference<text::XTextContent>(table, UNO_QUERY_THROW), false);
        const char* names[] = {"A1", "B1", "A2", "B2"};
        for (qsizetype i = 0; i < cells.size() && i < 4; ++i)
            Reference<text::XText>(table->getCellByName(OUString::createFromAscii(names[i])),
                                   UNO_QUERY_THROW)
                ->setString(toOUString(cells[i]));
    }
}

QString WriterTestDocument::bodyText() const {
    const auto bound = uno_->bound();
    return toQString(uno_->document()->getText()->getString());
}

QString WriterTestDocument::cellText(const QString& cell) const {
    const auto bound = uno_->bound();
    const Reference<text::XTextTablesSupplier> supplier(uno_->document(), UNO_QUERY_THROW);
    const Reference<css::container::XIndexAccess> tables(supplier->getTextTables(),
                                                         UNO_QUERY_THROW);
    const Reference<text::XTextTable> table(tables->getByIndex(0), UNO_QUERY_THROW);
    return toQString(Reference<text::XText>(table->getCellByName(toOUString(cell)), UNO_QUERY_THROW)
                         ->getString());
}

bool WriterTestDocument::select(const QString& text) {
    const auto bound = uno_->bound();
    const Reference<text::XTextRange> found = uno_->range(text);
    if (!found.is())
        return false;
    return selectionSupplierOf(uno_->document())->select(Any(found));
}

void WriterTestDocument::selectNothing() {
    const auto bound = uno_->bound();
    selectionSupplierOf(uno_->document())->select(Any(uno_->document()->getText()->getStart()));
}

namespace {

OUString nameProperty(WriterTestDocument::Script script) {
    return script == WriterTestDocument::Script::Complex ? OUString("CharFontNameComplex")
                                                         : OUString("CharFontName");
}

OUString sizeProperty(WriterTestDocument::Script script) {
    return script == WriterTestDocument::Script::Complex ? OUString("CharHeightComplex")
                                                         : OUString("CharHeight");
}

} // namespace

void WriterTestDocument::setFont(const QString& text, Script script, const QString& name,
                                 double size) {
    const auto bound = uno_->bound();
    const auto properties = uno_->properties(text);
    properties->setPropertyValue(nameProperty(script), Any(toOUString(name)));
    properties->setPropertyValue(sizeProperty(script), Any(float(size)));
}

QString WriterTestDocument::fontName(const QString& text, Script script) const {
    const auto bound = uno_->bound();
    OUString name;
    uno_->properties(text)->getPropertyValue(nameProperty(script)) >>= name;
    return toQString(name);
}

double WriterTestDocument::fontSize(const QString& text, Script script) const {
    const auto bound = uno_->bound();
    float size = 0;
    uno_->properties(text)->getPropertyValue(sizeProperty(script)) >>= size;
    return size;
}

void WriterTestDocument::openAnother() {
    const auto bound = uno_->bound();
    uno_->open();
}

void WriterTestDocument::closeFirst() {
    const auto bound = uno_->bound();
    const Reference<css::util::XCloseable> closeable(uno_->documents.front(), UNO_QUERY_THROW);
    uno_->documents.erase(uno_->documents.begin());
    closeable->close(true);
}

void WriterTestDocument::close() {
    const auto bound = uno_->bound();
    while (!uno_->documents.empty()) {
        const Reference<css::util::XCloseable> closeable(uno_->documents.back(), UNO_QUERY);
        uno_->documents.pop_back();
        if (closeable.is())
            closeable->close(true);
    }
}
