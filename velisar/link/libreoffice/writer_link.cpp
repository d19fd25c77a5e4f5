#include "velisar/link/libreoffice/writer_link.h"

#include "velisar/link/libreoffice/document_selection.h"
#include "velisar/link/libreoffice/sigpipe_block.h"
#include "velisar/link/libreoffice/uno_context.h"
#include "velisar/link/libreoffice/uno_string.h"

#include <QScopeGuard>
#include <atomic>
#include <com/sun/star/beans/NamedValue.hpp>
#include <com/sun/star/bridge/BridgeFactory.hpp>
#include <com/sun/star/bridge/XBridge.hpp>
#include <com/sun/star/configuration/theDefaultProvider.hpp>
#include <com/sun/star/connection/Connector.hpp>
#include <com/sun/star/connection/XConnection.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <cppuhelper/implbase1.hxx>
#include <type_traits>

using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;
using rtl::OUString;

namespace {

const OUString textDocumentService("com.sun.star.text.TextDocument");

OUString productName(const Reference<css::uno::XComponentContext>& context) {
    const Reference<css::lang::XMultiServiceFactory> configuration =
        css::configuration::theDefaultProvider::get(context);
    css::uno::Sequence<Any> where(1);
    where.getArray()[0] <<=
        css::beans::NamedValue("nodepath", Any(OUString("/org.openoffice.Setup/Product")));
    const Reference<css::container::XNameAccess> product(
        configuration->createInstanceWithArguments("com.sun.star.configuration.ConfigurationAccess",
                                                   where),
        UNO_QUERY_THROW);
    OUString name;
    product->getByName("ooName") >>= name;
    return name;
}

// Learns that the connection ended: the office died or quit, or the
// watchdog broke the connection.
class ConnectionWatch : public cppu::WeakImplHelper1<css::lang::XEventListener> {
public:
    explicit ConnectionWatch(std::shared_ptr<std::atomic<bool>> gone) : gone_(std::move(gone)) {}
    void SAL_CALL disposing(const css::lang::EventObject&) override { *gone_ = true; }

private:
    std::shared_ptr<std::atomic<bool>> gone_;
};

} // namespace

struct WriterLink::Remote {
    // Set when the connection ends: by the connection's own thread, by the
    // watchdog, or when a call learns it.
    std::shared_ptr<std::atomic<bool>> gone = std::make_shared<std::atomic<bool>>(false);
    Reference<css::uno::XInterface> bridge;
    Reference<css::uno::XComponentContext> context; // the office's
    Reference<css::frame::XDesktop2> desktop;
    std::unique_ptr<DocumentSelection> document; // chosen on first use

    DocumentSelection& currentDocument() {
        if (!document) {
            const Reference<css::lang::XServiceInfo> current(desktop->getCurrentComponent(),
                                                             UNO_QUERY);
            if (!current.is() || !current->supportsService(textDocumentService))
                throw css::uno::RuntimeException("no text document is current");
            document = std::make_unique<DocumentSelection>(
                Reference<css::frame::XModel>(current, UNO_QUERY_THROW));
        }
        return *document;
    }
};

struct WriterLink::Breakable {
    Reference<css::connection::XConnection> connection;
    Reference<css::lang::XComponent> bridge;
    std::shared_ptr<std::atomic<bool>> gone;
};

WriterLink::WriterLink(QString pipeName, std::chrono::milliseconds callLimit)
    : pipeName_(std::move(pipeName)), callLimit_(callLimit),
      breakable_(std::make_unique<Breakable>()), watchdog_([this] { breakConnection(); }) {}

WriterLink::~WriterLink() {
    release();
}

void WriterLink::breakConnection() {
    Breakable doomed;
    {
        std::lock_guard lock(breakableMutex_);
        std::swap(doomed, *breakable_);
    }
    if (doomed.gone)
        *doomed.gone = true;
    const SigpipeBlock sigpipe;
    // Disposing the bridge wakes a call waiting for the office's answer:
    // it fails with a DisposedException.
    try {
        if (doomed.bridge.is())
            doomed.bridge->dispose();
        else if (doomed.connection.is())
            doomed.connection->close();
    } catch (const css::uno::Exception&) {
    }
}

// Runs one step against the office within the call limit. The result is
// empty when there is no link or the step fails.
template <typename Step> auto WriterLink::call(Step&& step) {
    using Result = std::invoke_result_t<Step, Remote&>;
    std::optional<Result> result;
    if (!isAttached())
        return result;
    const SigpipeBlock sigpipe;
    watchdog_.arm(callLimit_);
    const auto disarm = qScopeGuard([this] { watchdog_.disarm(); });
    try {
        result = step(*remote_);
    } catch (const css::lang::DisposedException& e) {
        // The connection ended during the call (a closed document raises
        // this too, but from itself).
        if (e.Context == remote_->bridge)
            *remote_->gone = true;
    } catch (const css::uno::Exception&) {
    }
    return result;
}

bool WriterLink::attach() {
    release();
    const Reference<css::uno::XComponentContext> local = localUnoContext();
    if (!local.is())
        return false;
    // The connection's threads, started here, keep SIGPIPE blocked for good.
    const SigpipeBlock sigpipe;
    auto remote = std::make_unique<Remote>();
    bool attached = false;
    watchdog_.arm(callLimit_);
    try {
        const Reference<css::connection::XConnection> connection =
            css::connection::Connector::create(local)->connect("pipe,name=" +
                                                               toOUString(pipeName_));
        {
            std::lock_guard lock(breakableMutex_);
            breakable_->connection = connection;
        }
        const Reference<css::bridge::XBridge> bridge =
            css::bridge::BridgeFactory::create(local)->createBridge("", "urp", connection, {});
        {
            std::lock_guard lock(breakableMutex_);
            breakable_->bridge.set(bridge, UNO_QUERY_THROW);
            breakable_->bridge->addEventListener(new ConnectionWatch(remote->gone));
            breakable_->gone = remote->gone;
        }
        remote->bridge.set(bridge, UNO_QUERY_THROW);
        remote->context.set(bridge->getInstance("StarOffice.ComponentContext"), UNO_QUERY_THROW);
        remote->desktop = css::frame::Desktop::create(remote->context);
        attached = true;
    } catch (const css::uno::Exception&) {
        // NoConnectException: nobody listens on the pipe, which is the
        // ordinary "no Writer" case.
    }
    watchdog_.disarm();
    if (!attached) {
        breakConnection();
        return false;
    }
    remote_ = std::move(remote);
    return true;
}

void WriterLink::release() {
    const SigpipeBlock sigpipe; // dropping the references tells the office
    remote_.reset();
    breakConnection();
}

bool WriterLink::isAttached() const {
    return remote_ && !*remote_->gone;
}

std::optional<QString> WriterLink::identity() {
    // Read afresh each time: it is how the caller learns the link is alive.
    return call([](Remote& remote) { return toQString(productName(remote.context)); });
}

std::optional<SelectionBounds> WriterLink::selectionBounds() {
    return call([](Remote& remote) {
        const auto [start, end] = remote.currentDocument().bounds();
        return SelectionBounds{start, end};
    });
}

bool WriterLink::setSelection(qint32 start, qint32 end) {
    return call([=](Remote& remote) { return remote.currentDocument().select(start, end); })
        .value_or(false);
}

std::optional<QString> WriterLink::selectedText() {
    return call([](Remote& remote) { return toQString(remote.currentDocument().text()); });
}

std::optional<int> WriterLink::documentCount() {
    return call([](Remote& remote) {
        int count = 0;
        const Reference<css::container::XEnumeration> components =
            remote.desktop->getComponents()->createEnumeration();
        while (components->hasMoreElements()) {
            const Reference<css::lang::XServiceInfo> component(components->nextElement(),
                                                               UNO_QUERY);
            if (component.is() && component->supportsService(textDocumentService))
                ++count;
        }
        return count;
    });
}

std::optional<QString> WriterLink::selectionFontName() {
    return call([](Remote& remote) { return toQString(remote.currentDocument().fontName()); });
}

std::optional<double> WriterLink::selectionFontSize() {
    const auto size = call([](Remote& remote) { return remote.currentDocument().fontSize(); });
    if (!size || !*size)
        return std::nullopt;
    return double(**size);
}

bool WriterLink::setSmartCutPaste(bool) {
    return isAttached();
}

bool WriterLink::takeSelectionRange() {
    return call([](Remote& remote) {
               remote.currentDocument().takeRange();
               return true;
           })
        .value_or(false);
}

bool WriterLink::rangePaste(const QString& text) {
    return call([&](Remote& remote) {
               remote.currentDocument().paste(toOUString(text));
               return true;
           })
        .value_or(false);
}

bool WriterLink::setRangeFontName(const QString& name) {
    return call([&](Remote& remote) {
               remote.currentDocument().setRangeFontName(toOUString(name));
               return true;
           })
        .value_or(false);
}

bool WriterLink::setRangeFontSize(double size) {
    return call([=](Remote& remote) {
               remote.currentDocument().setRangeFontSize(float(size));
               return true;
           })
        .value_or(false);
}

bool WriterLink::rangeInsertAfter(const QString& text) {
    return call([&](Remote& remote) {
               remote.currentDocument().insertAfterRange(toOUString(text));
               return true;
           })
        .value_or(false);
}

std::optional<QString> WriterLink::rangeText() {
    return call([](Remote& remote) { return toQString(remote.currentDocument().rangeText()); });
}
