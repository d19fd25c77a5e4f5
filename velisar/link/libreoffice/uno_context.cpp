#include "velisar/link/libreoffice/uno_context.h"

#include <cppuhelper/bootstrap.hxx>
#include <cstdlib>

namespace {

css::uno::Reference<css::uno::XComponentContext> bootstrap() {
    // The runtime finds its type and service registries through this
    // variable; without it the context lacks the office's types and the
    // remote calls cannot be marshalled. A value the user set wins.
    setenv("URE_BOOTSTRAP", "vnd.sun.star.pathname:" LIBREOFFICE_PROGRAM_DIR "/fundamentalrc", 0);
    try {
        // Not cppu::bootstrap(): that one starts an office when none runs.
        return cppu::defaultBootstrap_InitialComponentContext();
    } catch (...) {
        // A broken or missing office installation: there is no office to
        // reach either.
        return {};
    }
}

} // namespace

css::uno::Reference<css::uno::XComponentContext> localUnoContext() {
    static const css::uno::Reference<css::uno::XComponentContext> context = bootstrap();
    return context;
}
